#pragma once
// The file menu's commands that cross to other programs: the chromatogram in front as an
// ANDI/AIA file, an ANDI/AIA file or a signal written as text opened as a new, unsaved
// chromatogram. The command line has the same ones (export --andi, import-andi, import-text)
// on the same engine.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/CPrjDoc.h"

class QAction;
class QWidget;

namespace lx {

class AnalysisWindow;

class InterchangeCommands : public QObject {
    Q_OBJECT
public:
    // `active` gives the analysis window in front (or null); `show` opens a new chromatogram
    // in a window of its own. Dialogs open over `parent`.
    InterchangeCommands(std::function<AnalysisWindow*()> active,
                        std::function<void(std::unique_ptr<CTzLabDoc>)> show, Prompter& prompter,
                        QWidget* parent);

    QAction* ExportAndiAction() const { return m_ExportAndi; }
    QAction* SummaryAction() const { return m_Summary; }
    // The current method project, for "项目样品汇总表".
    std::function<const CPrjDoc*()> m_CurrentProject;
    QList<QAction*> ImportActions() const { return m_Imports; }

    // The commands; an empty path asks for one in the file dialog.
    void ExportAndi(const QString& path = {});
    void ImportAndi(const QString& path = {});
    void ImportText(const QString& path = {});
    // The current project's samples in one table (.xlsx, else CSV by the file's suffix), each
    // quantified by the project as it is open now.
    void SummarizeSamples(const QString& path = {});

private:
    std::function<AnalysisWindow*()> m_Active;
    std::function<void(std::unique_ptr<CTzLabDoc>)> m_Show;
    Prompter& m_Prompter;
    QWidget* m_Parent;
    QAction* m_ExportAndi;
    QAction* m_Summary;
    QList<QAction*> m_Imports;
};

}  // namespace lx
