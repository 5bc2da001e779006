#pragma once
// The analysis window of one chromatogram: its plot above its result table, the commands that
// look at it (zoom, labels, peak detection, the parameter sheet) and those that hand it on
// (print, preview, PDF, text file, clipboard, BMP). It owns its chromatogram; a change asks
// before the window closes and is saved through the engine's safe save.

#include <QWidget>

#include <functional>
#include <memory>

#include "core/CTzLabDoc.h"
#include "core/PrintSettings.h"
#include "core/Prompter.h"
#include "quant/workflow/MethodTemplate.h"
#include "report/DisplaySettings.h"
#include "report/PdfReport.h"

class QAction;
class QMenu;
class QTableView;
class QToolBar;
class QUndoStack;

namespace lx {

class AnalysisOverlays;
class PeakEditCommands;
class PlotWidget;
class ProjectSession;
class ResultTableModel;

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    // `settings` are the workstation's display settings, read again by ApplySettings.
    AnalysisWindow(std::unique_ptr<CTzLabDoc> doc, const DisplaySettings& settings,
                   Prompter& prompter, QWidget* parent = nullptr);
    ~AnalysisWindow() override;

    CTzLabDoc& Document() { return *m_Doc; }
    // The file it was loaded from or saved to; empty for a run not saved yet.
    QString Path() const;
    // Changed since it was last saved: an edit on the undo stack, or a run not saved yet.
    bool IsModified() const;
    void SetModified(bool modified);
    // Every change to the chromatogram, one step each; clean when it is as saved.
    QUndoStack& Undo() const { return *m_Undo; }
    PeakEditCommands& PeakEdits() const { return *m_PeakEdits; }
    AnalysisOverlays& Overlays() const { return *m_Overlays; }

    // The menus it adds to the main window's while it is active, and its plot toolbar.
    QList<QMenu*> Menus() const { return m_Menus; }
    QToolBar* PlotBar() const { return m_PlotBar; }
    PlotWidget* Plot() const { return m_Plot; }
    QTableView* Table() const { return m_Table; }
    ResultTableModel* Model() const { return m_Model; }

    // The settings changed (colours, labels, columns, the peak filter).
    void ApplySettings();

    // The commands.
    void Zoom(int plotCommand);
    void ToggleFitted();
    void AskCoordinates();
    void AskPeakDetect();
    void EditParameters();
    bool Save();
    bool SaveAs();
    void Print();
    void PrintPreview();
    void ExportPdf();
    void ExportText();
    void CopyData();
    void CopyPicture();
    void SavePictureBmp();
    void OutputReport();
    // The component and reference-peak commands on the selected peak, for the chromatogram's
    // open project; each is one step of the project's undo stack.
    void AddComponent();
    void DeleteComponent();
    void ExportComponents();
    void SetReferenceOfThis();
    void SetReferenceOfAll();

    // Integrates again with the chromatogram's parameters and refreshes plot and table.
    void Reintegrate();
    // Selects the peak a row of the table shows (-1: none) and draws it.
    void SelectRow(int row);

    // The undo stack of the open project a chromatogram belongs to, when there is one:
    // integrating a project's chromatogram files its peaks there (a standard recalibrates).
    std::function<ProjectSession*(const ProjectLink*)> m_SessionOf;
    // The program-wide parameter buffer the sheet's template exchange fills.
    ParameterBuffer* m_ParameterBuffer = nullptr;
    // "输出分析报告(&O)": the report (an RTF document) and the name it proposes, for the
    // workstation's report window.
    std::function<void(const std::string& rtf, const QString& name)> m_ToReport;

    // Asks whether to save a change: true when the window may close.
    bool MaybeSave();

signals:
    void TitleChanged();
    void CursorMoved(double minutes, double millivolts);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCommands();
    void RefreshTable();
    void Refresh();
    void UpdateTitle();
    std::string FileName() const;
    PdfReportRequest ReportRequest() const;
    // The chromatograms shown with its own, in list order.
    std::vector<const CTzLabDoc*> ShownOverlays() const;
    ProjectSession* Session() const;
    // After the project's components changed: the peaks take their names again.
    void Reidentify();
    void UpdateProjectCommands();
    std::string DefaultFolder() const;

    std::unique_ptr<CTzLabDoc> m_Doc;
    const DisplaySettings& m_Settings;
    Prompter& m_Prompter;
    bool m_Unsaved = false;  // a run that has no file yet
    QUndoStack* m_Undo;
    PlotWidget* m_Plot;
    PeakEditCommands* m_PeakEdits;
    AnalysisOverlays* m_Overlays;
    QTableView* m_Table;
    ResultTableModel* m_Model;
    QToolBar* m_PlotBar;
    QList<QMenu*> m_Menus;
    QList<QAction*> m_ComponentCommands;
    QList<QAction*> m_ReferenceCommands;
};

}  // namespace lx
