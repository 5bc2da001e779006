#pragma once
// The workstation's main window: menus and toolbar, the tabbed workspace of channel and
// analysis windows, the left dock with the open projects and the data folders, the receiver of
// the detector line (or the demo signal) and the two channels it feeds.

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

#include "acq/CCommPort.h"
#include "acq/CDatReceiver.h"
#include "app/AppSettings.h"
#include "app/GuiReceiverHost.h"
#include "app/ProjectController.h"
#include "core/PrintSettings.h"
#include "quant/workflow/MethodTemplate.h"
#include "quant/workflow/ProjectList.h"
#include "ui/ChannelWindow.h"
#include "ui/sheets/WidgetPrompter.h"

class QActionGroup;
class QFileSystemModel;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTreeView;
class QTreeWidget;

namespace lx {

class AnalysisWindow;
class InterchangeCommands;
class ReportWindow;
class FileBrowser;

class MainWindow : public QMainWindow, public ProjectHost {
    Q_OBJECT
public:
    MainWindow(AppSettings& settings, std::string appDir, AcquisitionSource source,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The receiver on the selected source; after the window is shown.
    void StartReceiver();
    // Runs a crash left unfinished, offered for recovery one by one.
    void OfferRecovery();

    // Opens each file as its extension says: .Tzd an analysis window, .Tzp a method project.
    void OpenFiles(const QStringList& paths);
    AnalysisWindow* OpenChromatogram(const QString& path) override;
    QList<AnalysisWindow*> AnalysisWindows() const override;
    QWidget* Window() override { return this; }
    void ShowInWorkspace(QWidget* window) override;
    bool Activate(QWidget* window) override;
    // Shows a chromatogram that has no window yet (a finished run); it may be unsaved.
    AnalysisWindow* ShowRecord(std::unique_ptr<CTzLabDoc> record);
    // The channel's window, opened when it is not.
    ChannelWindow* OpenChannel(int channel) override;
    ChannelWindow* Channel(int channel) const override { return m_Channels[channel]; }
    AnalysisWindow* ActiveAnalysis() const;
    // "分析报告(&P)": the workstation's one report window, opened when there is none.
    ReportWindow* ShowReport();
    InterchangeCommands& Interchange() { return *m_Interchange; }
    QMdiArea* Workspace() const { return m_Workspace; }
    ProjectController& Projects() { return *m_ProjectControl; }
    int HoldLength() const { return m_HoldLength; }

    // The settings changed: every window draws again.
    void SettingsChanged();

    // The commands of the main window.
    void AskOpen();
    void AskPortSettings();
    void AskHoldLength();
    void AskColours();
    void AskResultDisplay();
    void ToggleLabelBit(int bit);
    void ToggleVerticalLabels();
    void ToggleBaselines();
    void ToggleViewAllPeaks();
    void ShowAbout();
    // The file tree's popup "数据采集": the folder's runs go to the channel, or the folder's
    // set-up file of the channel is edited on the channel's parameter sheet.
    void UseFolderFor(int channel, const QString& folder);
    void EditFolderSetup(int channel, const QString& folder);
    FileBrowser* Files() const { return m_FileTree; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildBrowser();
    void UpdateLabelChecks();
    void ChildActivated(QMdiSubWindow* window);
    QMdiSubWindow* AddChild(QWidget* child);
    QMdiSubWindow* FindOpen(const QString& path) const;
    void ChannelStopped(int channel);
    // A run's filing into its project is one undo step of the project.
    void BeginRunStep(int channel);
    bool ChannelsAllowClosing();
    void CreateReceiver();

    AppSettings& m_Settings;
    std::string m_AppDir;
    AcquisitionSource m_Source;
    int m_HoldLength = 0;  // held in memory only: every start begins at 0
    WidgetPrompter m_Prompter;
    ParameterBuffer m_Clipboard;
    PrintSettings m_PrintTemplate;

    GuiReceiverHost m_Host;
    std::unique_ptr<CCommPort> m_Link;
    std::unique_ptr<CDatReceiver> m_Receiver;
    std::array<QPointer<ChannelWindow>, 2> m_Channels;
    QPointer<ReportWindow> m_Report;
    InterchangeCommands* m_Interchange = nullptr;
    std::array<std::unique_ptr<ProjectEdit>, 2> m_RunSteps;

    QMdiArea* m_Workspace;
    FileBrowser* m_FileTree = nullptr;
    ProjectController* m_ProjectControl;
    QLabel* m_CursorPane;
    QLabel* m_SourcePane;
    QList<QAction*> m_ChildMenus;   // the active window's menus in the menu bar
    QPointer<QToolBar> m_ChildBar;  // and its toolbar
    QAction* m_HelpMenuAction = nullptr;
    QMenu* m_ViewMenu = nullptr;
    QList<QAction*> m_AnalysisCommands;  // enabled while an analysis window is active
    std::array<QAction*, 7> m_LabelActions{};
    QAction* m_VerticalLabels = nullptr;
    QAction* m_Baselines = nullptr;
    QAction* m_ViewAll = nullptr;
};

}  // namespace lx
