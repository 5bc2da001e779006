#pragma once
// The standard curve window of a method project ("标准曲线"): the curve of one component at a
// time with the repeats that calibrate it, the "结果列表框" bar under it listing the report
// block and the repeats, and the commands that look at it ("自动匹配", "坐标设置") and hand it
// on (clipboard picture, print, preview, PDF). It reads the project and changes nothing in it:
// the fonts "参数设置" chooses for the printed report belong to the window.

#include <QWidget>

#include "core/PrintSettings.h"
#include "core/Prompter.h"
#include "report/CurveReport.h"

class QComboBox;
class QListWidget;
class QMenu;
class QToolBar;

namespace lx {

class CurveWidget;
class ProjectSession;

class StandardCurveWindow : public QWidget {
    Q_OBJECT
public:
    // Opens on the first component, in the range "自动匹配" gives it. The session must outlive
    // the window; every step on its undo stack (a recalibration, an edit undone) refreshes it.
    StandardCurveWindow(ProjectSession& session, Prompter& prompter, QWidget* parent = nullptr);

    // The menu it adds to the main window's while it is active, and its toolbar.
    QList<QMenu*> Menus() const { return m_Menus; }
    QToolBar* ToolBar() const { return m_ToolBar; }
    CurveWidget* Plot() const { return m_Plot; }
    QComboBox* ComponentBox() const { return m_ComponentBox; }
    QListWidget* ResultList() const { return m_ResultList; }

    // The component row shown, -1 with an empty table.
    int Component() const { return m_Row; }
    // Shows row `row` in its automatic range; a row outside the table changes nothing.
    void SetComponent(int row);
    const CurveRange& Range() const { return m_Range; }
    // A range "坐标设置" would set: refused with a message unless each maximum is above its
    // minimum. The range then stays until "自动匹配" or another component.
    bool SetRange(const CurveRange& range);
    const LogFont& ReportTitleFont() const { return m_TitleFont; }
    const LogFont& ReportBodyFont() const { return m_BodyFont; }
    // The printed page: the picture as shown, with the block in the window's fonts.
    CurveReportRequest ReportRequest() const;

    // The commands.
    void AutoFit();
    void AskRange();
    void CopyPicture();
    void EditParameters();
    void Print();
    void PrintPreview();
    void ExportPdf();
    // The PDF without asking for its name; false after telling the operator why it failed.
    bool ExportPdfTo(const QString& path);

public slots:
    // The project changed (recalibrated, components added or removed): the same component,
    // found by its ID, or the first; its automatic range unless one was typed.
    void Refresh();

private:
    void BuildCommands();
    void FillComponents();
    void ShowCurve();

    ProjectSession& m_Session;
    Prompter& m_Prompter;
    int m_Row = -1;
    CurveRange m_Range;
    bool m_RangeTyped = false;
    LogFont m_TitleFont;
    LogFont m_BodyFont;
    QComboBox* m_ComponentBox;
    CurveWidget* m_Plot;
    QListWidget* m_ResultList;
    QToolBar* m_ToolBar = nullptr;
    QList<QMenu*> m_Menus;
};

}  // namespace lx
