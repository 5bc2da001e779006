#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include <filesystem>

#include "acq/ChannelMethod.h"
#include "acq/ChannelSetupFile.h"
#include "acq/RunFileName.h"
#include "acq/RunJournal.h"
#include "acq/RunRecovery.h"
#include "app/AppTexts.h"
#include "app/DocumentKinds.h"
#include "app/InterchangeCommands.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/FileBrowser.h"
#include "ui/SettingsDialogs.h"
#include "ui/Widgets.h"
#include "ui/curve/StandardCurveWindow.h"
#include "ui/report/ReportWindow.h"
#include "ui/sheets/ParameterSheet.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// Where the toolbars and the dock were left, kept beside the settings.
constexpr const char* kBarState = "TzLabBarState";

// Names every action of a menu by its visible text, for assistive technology and GUI checks.
void NameActions(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (!action->text().isEmpty())
            action->setObjectName(CommandName(action->text()));
        if (action->menu())
            NameActions(action->menu());
    }
}

}  // namespace

MainWindow::MainWindow(AppSettings& settings, std::string appDir, AcquisitionSource source,
                       QWidget* parent)
    : QMainWindow(parent),
      m_Settings(settings),
      m_AppDir(std::move(appDir)),
      m_Source(source),
      m_Prompter(this) {
    setWindowTitle(T(app::kMainTitle));
    setObjectName("mainWindow");
    setAcceptDrops(true);
    m_Workspace = new QMdiArea;
    m_Workspace->setViewMode(QMdiArea::TabbedView);
    m_Workspace->setTabsClosable(true);
    m_Workspace->setTabsMovable(true);
    m_Workspace->setDocumentMode(true);
    setCentralWidget(m_Workspace);
    connect(m_Workspace, &QMdiArea::subWindowActivated, this, &MainWindow::ChildActivated);

    m_CursorPane = new QLabel;
    m_SourcePane = new QLabel;
    statusBar()->addWidget(m_CursorPane, 1);
    statusBar()->addPermanentWidget(m_SourcePane);

    m_ProjectControl = new ProjectController(*this, m_AppDir, m_Prompter, m_Clipboard, this);
    connect(m_ProjectControl, &ProjectController::ProjectsChanged, this,
            &MainWindow::SettingsChanged);
    BuildMenus();
    BuildBrowser();
    ChildActivated(nullptr);
    restoreState(UserProfile()->value(kBarState).toByteArray());
}

MainWindow::~MainWindow() {
    // The receiver stops first: its timers and queued chunks must not reach closed windows.
    // Then the workspace goes while everything its windows point to is still here, without
    // telling us about each window on the way.
    UserProfile()->setValue(kBarState, saveState());
    m_Host.SetReceiver(nullptr);
    if (m_Receiver)
        m_Receiver->ClosePort();
    disconnect(m_Workspace, nullptr, this, nullptr);
    for (const QPointer<ChannelWindow>& channel : m_Channels)
        if (channel)
            disconnect(channel, nullptr, this, nullptr);
    delete takeCentralWidget();
    m_Receiver.reset();
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(T(app::kFileMenu));
    QAction* open = file->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                                    T(app::kOpen), QKeySequence::Open, this, &MainWindow::AskOpen);
    QAction* save =
        file->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), T(app::kSave),
                        QKeySequence::Save, this, [this] { ActiveAnalysis()->Save(); });
    QAction* saveAs =
        file->addAction(T(app::kSaveAs), this, [this] { ActiveAnalysis()->SaveAs(); });
    file->addSeparator();
    QAction* print = file->addAction(T(app::kPrint), QKeySequence::Print, this,
                                     [this] { ActiveAnalysis()->Print(); });
    QAction* preview =
        file->addAction(T(app::kPrintPreview), this, [this] { ActiveAnalysis()->PrintPreview(); });
    m_Interchange = new InterchangeCommands(
        [this] { return ActiveAnalysis(); },
        [this](std::unique_ptr<CTzLabDoc> doc) { ShowRecord(std::move(doc)); }, m_Prompter, this);
    file->addSeparator();
    m_Interchange->m_CurrentProject = [this] { return m_ProjectControl->Current(); };
    file->addActions(m_Interchange->ImportActions());
    file->addAction(m_Interchange->ExportAndiAction());
    file->addAction(m_Interchange->SummaryAction());
    connect(file, &QMenu::aboutToShow, this, [this] {
        m_Interchange->SummaryAction()->setEnabled(m_ProjectControl->Current() != nullptr);
    });
    m_AnalysisCommands = {save, saveAs, print, preview, m_Interchange->ExportAndiAction()};
    file->addSeparator();
    file->addAction(T(app::kClose), QKeySequence::Close, m_Workspace,
                    &QMdiArea::closeActiveSubWindow);
    file->addAction(T(app::kExit), QKeySequence::Quit, this, &QWidget::close);

    menuBar()->addMenu(m_ProjectControl->EditMenu());
    QMenu* view = menuBar()->addMenu(T(app::kViewMenu));
    m_ViewMenu = view;
    QToolBar* bar = addToolBar(T(app::kMainBarTitle));
    bar->setObjectName("mainBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* toggleBar = bar->toggleViewAction();
    toggleBar->setText(T(app::kToolBar));
    view->addAction(toggleBar);
    QAction* toggleStatus = view->addAction(T(app::kStatusBar));
    toggleStatus->setCheckable(true);
    toggleStatus->setChecked(true);
    connect(toggleStatus, &QAction::toggled, statusBar(), &QWidget::setVisible);
    view->addSeparator();
    view->addAction(T(app::kReportWindow), this, &MainWindow::ShowReport);
    view->addAction(T(app::kResultDisplay), this, &MainWindow::AskResultDisplay);
    view->addAction(T(app::kColours), this, &MainWindow::AskColours);
    QMenu* labels = view->addMenu(T(app::kLabelMenu));
    struct LabelItem {
        Text text;
        int bit;
    };
    static constexpr LabelItem kLabels[] = {
        {app::kLabelsOff, kLabelsOn},        {app::kLabelTime, kLabelTime},
        {app::kLabelNumber, kLabelNumber},   {app::kLabelName, kLabelName},
        {app::kLabelHeight, kLabelHeight},   {app::kLabelArea, kLabelArea},
        {app::kLabelContent, kLabelContent},
    };
    for (std::size_t k = 0; k < std::size(kLabels); ++k) {
        m_LabelActions[k] = labels->addAction(
            T(kLabels[k].text), this, [this, bit = kLabels[k].bit] { ToggleLabelBit(bit); });
        m_LabelActions[k]->setCheckable(true);
        m_LabelActions[k]->setData(kLabels[k].bit);
    }
    m_VerticalLabels =
        view->addAction(T(app::kVerticalLabels), this, &MainWindow::ToggleVerticalLabels);
    m_Baselines = view->addAction(T(app::kShowBaselines), this, &MainWindow::ToggleBaselines);
    m_ViewAll = view->addAction(T(app::kViewAllPeaks), this, &MainWindow::ToggleViewAllPeaks);
    for (QAction* action : {m_VerticalLabels, m_Baselines, m_ViewAll})
        action->setCheckable(true);
    UpdateLabelChecks();

    menuBar()->addMenu(m_ProjectControl->Menu());
    QMenu* acquire = menuBar()->addMenu(T(app::kAcquireMenu));
    QAction* channelA = acquire->addAction(T(app::kChannelA), this, [this] { OpenChannel(0); });
    QAction* channelB = acquire->addAction(T(app::kChannelB), this, [this] { OpenChannel(1); });
    acquire->addSeparator();
    acquire->addAction(T(app::kPortSettings), this, &MainWindow::AskPortSettings);

    QMenu* window = menuBar()->addMenu(T(app::kWindowMenu));
    window->addAction(T(app::kCascade), m_Workspace, &QMdiArea::cascadeSubWindows);
    window->addAction(T(app::kTile), m_Workspace, &QMdiArea::tileSubWindows);
    window->addAction(T(app::kNextWindow), QKeySequence::NextChild, m_Workspace,
                      &QMdiArea::activateNextSubWindow);
    window->addAction(T(app::kCloseAll), m_Workspace, &QMdiArea::closeAllSubWindows);

    QMenu* help = menuBar()->addMenu(T(app::kHelpMenu));
    m_HelpMenuAction = help->menuAction();
    help->addAction(T(app::kAbout), this, &MainWindow::ShowAbout);
    help->addAction(T(app::kHold), this, &MainWindow::AskHoldLength);

    for (QMenu* menu : {file, view, acquire, window, help})
        NameActions(menu);
    bar->addAction(open);
    bar->addAction(save);
    bar->addWidget(m_ProjectControl->Selector());
    bar->addSeparator();
    bar->addAction(channelA);
    bar->addAction(channelB);
    bar->addSeparator();
    bar->addAction(print);
    bar->addAction(preview);
}

void MainWindow::BuildBrowser() {
    // The data folders under the application directory, with the files the workstation opens.
    m_FileTree = new FileBrowser(QString::fromStdString(m_AppDir));
    connect(m_FileTree, &FileBrowser::OpenRequested, this,
            [this](const QString& path) { OpenFiles({path}); });
    connect(m_FileTree, &FileBrowser::FolderForChannel, this, &MainWindow::UseFolderFor);
    connect(m_FileTree, &FileBrowser::EditChannelSetup, this, &MainWindow::EditFolderSetup);

    auto* tabs = new QTabWidget;
    tabs->addTab(m_ProjectControl->Panel(), T(app::kProjectsTab));
    tabs->addTab(m_FileTree, T(app::kFilesTab));
    tabs->setCurrentWidget(m_FileTree);
    auto* dock = new QDockWidget(T(app::kBrowserTitle), this);
    dock->setObjectName("browserDock");
    dock->setWidget(tabs);
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    resizeDocks({dock}, {240}, Qt::Horizontal);
    QMenu* view = m_ViewMenu;
    QAction* toggle = dock->toggleViewAction();
    toggle->setText(T(app::kBrowser));
    toggle->setObjectName(T(app::kBrowser));
    view->insertAction(view->actions().at(2), toggle);
}

// --- the workspace --------------------------------------------------------------------------

QMdiSubWindow* MainWindow::AddChild(QWidget* child) {
    QMdiSubWindow* window = m_Workspace->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
    window->showMaximized();
    m_Workspace->setActiveSubWindow(window);
    return window;
}

QMdiSubWindow* MainWindow::FindOpen(const QString& path) const {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (QMdiSubWindow* window : m_Workspace->subWindowList()) {
        auto* analysis = qobject_cast<AnalysisWindow*>(window->widget());
        if (analysis && !analysis->Path().isEmpty() &&
            QFileInfo(analysis->Path()).canonicalFilePath() == wanted)
            return window;
    }
    return nullptr;
}

void MainWindow::ShowInWorkspace(QWidget* window) {
    AddChild(window);
}

bool MainWindow::Activate(QWidget* window) {
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame)
        return false;
    m_Workspace->setActiveSubWindow(frame);
    return true;
}

QList<AnalysisWindow*> MainWindow::AnalysisWindows() const {
    QList<AnalysisWindow*> windows;
    for (QMdiSubWindow* window : m_Workspace->subWindowList())
        if (auto* analysis = qobject_cast<AnalysisWindow*>(window->widget()))
            windows << analysis;
    return windows;
}

ReportWindow* MainWindow::ShowReport() {
    if (!m_Report) {
        m_Report = new ReportWindow(m_Settings.pageMargins, m_Prompter);
        AddChild(m_Report);
    }
    m_Workspace->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(m_Report->parentWidget()));
    return m_Report;
}

AnalysisWindow* MainWindow::ActiveAnalysis() const {
    QMdiSubWindow* window = m_Workspace->activeSubWindow();
    return window ? qobject_cast<AnalysisWindow*>(window->widget()) : nullptr;
}

void MainWindow::ChildActivated(QMdiSubWindow* window) {
    for (QAction* action : m_ChildMenus)
        menuBar()->removeAction(action);
    m_ChildMenus.clear();
    if (m_ChildBar)
        removeToolBar(m_ChildBar);

    QWidget* child = window ? window->widget() : nullptr;
    auto* analysis = qobject_cast<AnalysisWindow*>(child);
    QList<QMenu*> menus;
    QToolBar* bar = nullptr;
    if (analysis) {
        menus = analysis->Menus();
        bar = analysis->PlotBar();
    } else if (auto* channel = qobject_cast<ChannelWindow*>(child)) {
        menus = channel->Menus();
        bar = channel->ChannelBar();
    } else if (auto* curve = qobject_cast<StandardCurveWindow*>(child)) {
        menus = curve->Menus();
        bar = curve->ToolBar();
    } else if (auto* report = qobject_cast<ReportWindow*>(child)) {
        menus = report->Menus();
        bar = report->ToolBar();
    }
    QAction* before = menuBar()->actions().at(menuBar()->actions().size() - 2);  // "窗口"
    for (QMenu* menu : menus) {
        menuBar()->insertMenu(before, menu);
        m_ChildMenus << menu->menuAction();
    }
    if (bar) {
        addToolBar(bar);
        bar->show();
        m_ChildBar = bar;
    }
    for (QAction* action : m_AnalysisCommands)
        action->setEnabled(analysis != nullptr);
    m_ProjectControl->UseDocumentStack(analysis ? &analysis->Undo() : nullptr);
    m_CursorPane->clear();
}

void MainWindow::AskOpen() {
    QFileDialog dialog(this, T(app::kOpenTitle), QString::fromStdString(m_AppDir),
                       T(app::kOpenFilter));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix("Tzp");
    if (dialog.exec() == QDialog::Accepted)
        OpenFiles(dialog.selectedFiles());
}

void MainWindow::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        switch (DocumentKindOf(path)) {
            case DocumentKind::Chromatogram:
                OpenChromatogram(path);
                break;
            case DocumentKind::Project:
                m_ProjectControl->Open(path);
                break;
            case DocumentKind::Report:
                if (ReportWindow* report = ShowReport(); report->MaybeSave())
                    report->Open(path);
                break;
            case DocumentKind::Unknown:
                m_Prompter.Inform(Format(Tr(app::kUnknownKind), path.toUtf8().constData()),
                                  Prompter::Icon::Warning);
                break;
        }
    }
}

AnalysisWindow* MainWindow::OpenChromatogram(const QString& path) {
    if (QMdiSubWindow* open = FindOpen(path)) {
        m_Workspace->setActiveSubWindow(open);
        return qobject_cast<AnalysisWindow*>(open->widget());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Result<CTzLabDoc> loaded = LoadTzdFile(path.toStdString());
    QApplication::restoreOverrideCursor();
    if (!loaded.ok()) {
        m_Prompter.Inform(loaded.error(), Prompter::Icon::Error);
        return nullptr;
    }
    return ShowRecord(std::make_unique<CTzLabDoc>(std::move(loaded.value())));
}

AnalysisWindow* MainWindow::ShowRecord(std::unique_ptr<CTzLabDoc> record) {
    const bool unsaved = record->m_PathName.empty();
    auto* window = new AnalysisWindow(std::move(record), m_Settings.display, m_Prompter);
    window->m_ParameterBuffer = &m_Clipboard;
    window->m_ToReport = [this](const std::string& rtf, const QString& name) {
        ShowReport()->AppendReport(rtf, name);
    };
    window->m_SessionOf = [this](const ProjectLink* link) {
        return m_ProjectControl->SessionOf(dynamic_cast<const CPrjDoc*>(link));
    };
    connect(window, &AnalysisWindow::CursorMoved, this, [this](double minutes, double mv) {
        m_CursorPane->setText(QString::fromStdString(Format(Tr(app::kCursorReadout), minutes, mv)));
    });
    AddChild(window);
    // A run whose save was cancelled is a change the operator must not lose by closing.
    window->SetModified(unsaved);
    return window;
}

// --- channels and the receiver --------------------------------------------------------------

ChannelWindow* MainWindow::OpenChannel(int channel) {
    if (ChannelWindow* open = m_Channels[channel]) {
        m_Workspace->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return open;
    }
    ChannelContext context;
    context.appDir = m_AppDir;
    context.frequency = m_Settings.frequency;
    context.display = &m_Settings.display;
    context.printTemplate = &m_PrintTemplate;
    context.clipboard = &m_Clipboard;
    context.prompter = &m_Prompter;
    auto* window = new ChannelWindow(channel, std::move(context));
    window->m_OnFinished = [this](FinishedRun run) { ShowRecord(std::move(run.record)); };
    window->m_OnFiling = [this, channel] { BeginRunStep(channel); };
    window->m_OnStopped = [this, channel] { ChannelStopped(channel); };
    m_Channels[channel] = window;
    if (m_Receiver)
        m_Receiver->SetChannel(channel, &window->Document());
    connect(window, &QObject::destroyed, this, [this, channel] {
        m_Channels[channel] = nullptr;
        if (m_Receiver)
            m_Receiver->SetChannel(channel, nullptr);
    });
    AddChild(window);
    return window;
}

void MainWindow::BeginRunStep(int channel) {
    CPrjDoc* project = m_Channels[channel]->Document().m_Project;
    if (ProjectSession* session = m_ProjectControl->SessionOf(project))
        m_RunSteps[channel] = std::make_unique<ProjectEdit>(*session, T(app::kStepRun));
}

void MainWindow::ChannelStopped(int channel) {
    if (auto step = std::move(m_RunSteps[channel])) {
        step->Commit();
        // The run's end saved the project with the new record; what is on disk is now all of it.
        CPrjDoc* project = m_Channels[channel]->Document().m_Project;
        if (project && !project->m_Modified)
            m_ProjectControl->SessionOf(project)->MarkSaved();
        m_ProjectControl->Refresh();
    }
    // The channel's data folder shows the file just saved.
    ChannelSetup& setup = m_Channels[channel]->Document().m_Method.m_ChannelSetup;
    const QString folder = QString::fromStdString(RunFolder(setup, m_AppDir));
    m_FileTree->Reveal(folder);
}

void MainWindow::UseFolderFor(int channel, const QString& folder) {
    const bool open = m_Channels[channel] != nullptr;
    ChannelWindow* window = OpenChannel(channel);
    // A channel opened for the folder takes it without a question.
    if (open)
        UseFolder(window->Document(), S(folder), m_AppDir, m_Prompter);
    else if (Status taken = TakeFolder(window->Document(), S(folder), m_AppDir); !taken.ok())
        m_Prompter.Inform(taken.error(), Prompter::Icon::Error);
}

void MainWindow::EditFolderSetup(int channel, const QString& folder) {
    Result<CTzLabDoc> read = ReadSetupFile(S(folder), channel);
    CTzLabDoc record = read.ok() ? std::move(read.value()) : CTzLabDoc();
    ParameterSheet sheet(record, SheetKind::Channel, m_Prompter, m_PrintTemplate, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    if (Status written = WriteSetupFile(record, S(folder), channel); !written.ok())
        m_Prompter.Inform(written.error(), Prompter::Icon::Error);
}

void MainWindow::CreateReceiver() {
    m_Host.SetReceiver(nullptr);
    if (m_Receiver)
        m_Receiver->ClosePort();
    ReceiverSettings settings;
    settings.source = m_Source;
    settings.port = m_Settings.port;
    settings.decoder.frequency = m_Settings.frequency;
    settings.decoder.holdLength = m_HoldLength;
    settings.demoPaths = DemoSignalPaths(m_AppDir);
    if (!m_Link && m_Source == AcquisitionSource::Detector)
        m_Link = std::make_unique<CCommPort>(DefaultPortPaths());
    m_Receiver = std::make_unique<CDatReceiver>(settings, m_Link.get(), m_Host, m_Prompter);
    m_Host.SetReceiver(m_Receiver.get());
    for (int channel = 0; channel < 2; ++channel)
        if (m_Channels[channel])
            m_Receiver->SetChannel(channel, &m_Channels[channel]->Document());
    m_SourcePane->setText(
        m_Source == AcquisitionSource::Demo
            ? T(app::kSourceDemo)
            : QString::fromStdString(Format(Tr(app::kSourceDetector), m_Settings.port + 1)));
}

void MainWindow::StartReceiver() {
    CreateReceiver();
    m_Receiver->StartAcquisition();
}

void MainWindow::OfferRecovery() {
    for (const std::string& journal : FindJournals(m_AppDir)) {
        if (!m_Prompter.Confirm(Format(Tr(app::kRecoverQuestion), journal.c_str()))) {
            m_Prompter.Inform(Format(Tr(app::kRecoverLater), journal.c_str()),
                              Prompter::Icon::Information);
            continue;
        }
        ChannelView quiet;  // saved without a dialog, printed never
        FinishedRun run = RecoverJournal(journal, m_AppDir, quiet, m_Prompter);
        if (!run.path.empty())
            ShowRecord(std::move(run.record));
    }
}

// --- settings -------------------------------------------------------------------------------

void MainWindow::SettingsChanged() {
    UpdateLabelChecks();
    for (QMdiSubWindow* window : m_Workspace->subWindowList()) {
        if (auto* analysis = qobject_cast<AnalysisWindow*>(window->widget()))
            analysis->ApplySettings();
        else if (auto* channel = qobject_cast<ChannelWindow*>(window->widget()))
            channel->ApplySettings();
    }
}

void MainWindow::UpdateLabelChecks() {
    const std::int32_t mark = m_Settings.display.viewMark;
    for (QAction* action : m_LabelActions) {
        const int bit = action->data().toInt();
        // "无 标 志" is checked when the labels are off.
        action->setChecked(bit == kLabelsOn ? (mark & bit) == 0 : (mark & bit) != 0);
    }
    m_VerticalLabels->setChecked(m_Settings.display.verticalLabels);
    m_Baselines->setChecked(m_Settings.display.showBaselines);
    m_ViewAll->setChecked(m_Settings.display.viewAllPeaks);
}

void MainWindow::ToggleLabelBit(int bit) {
    m_Settings.display.viewMark ^= bit;
    SettingsChanged();
}

void MainWindow::ToggleVerticalLabels() {
    m_Settings.display.verticalLabels = !m_Settings.display.verticalLabels;
    SettingsChanged();
}

void MainWindow::ToggleBaselines() {
    m_Settings.display.showBaselines = !m_Settings.display.showBaselines;
    SettingsChanged();
}

void MainWindow::ToggleViewAllPeaks() {
    m_Settings.display.viewAllPeaks = !m_Settings.display.viewAllPeaks;
    SettingsChanged();
}

void MainWindow::AskColours() {
    ColourDialog dialog(m_Settings.display, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Store(m_Settings.display);
    SettingsChanged();
}

void MainWindow::AskResultDisplay() {
    ResultDisplayDialog dialog(m_Settings.display.screenColumns, m_Settings.pkType != 0, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_Settings.display.screenColumns = dialog.Columns();
    m_Settings.pkType = dialog.PeakType() ? 1 : 0;
    SettingsChanged();
}

void MainWindow::AskPortSettings() {
    PortDialog dialog(m_Settings.port, m_Settings.frequency, DefaultPortPaths(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_Settings.port = dialog.Port();
    m_Settings.frequency = dialog.Frequency();
    for (const QPointer<ChannelWindow>& channel : m_Channels)
        if (channel)
            channel->SetFrequency(m_Settings.frequency);
    StartReceiver();
}

void MainWindow::AskHoldLength() {
    HoldDialog dialog(m_HoldLength, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_HoldLength = dialog.HoldLength();
    StartReceiver();
}

void MainWindow::ShowAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

// --- closing and dropping -------------------------------------------------------------------

bool MainWindow::ChannelsAllowClosing() {
    const bool a = m_Channels[0] && m_Channels[0]->Document().IsRunning();
    const bool b = m_Channels[1] && m_Channels[1]->Document().IsRunning();
    if (a && b) {
        m_Prompter.Inform(Tr(app::kBothRunning), Prompter::Icon::Warning);
        return false;
    }
    if (a || b) {
        m_Prompter.Inform(Tr(a ? app::kARunning : app::kBRunning), Prompter::Icon::Warning);
        OpenChannel(a ? 0 : 1);
        return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ChannelsAllowClosing()) {
        event->ignore();
        return;
    }
    m_Workspace->closeAllSubWindows();
    if (!m_Workspace->subWindowList().isEmpty() ||  // a window kept its unsaved change
        !m_ProjectControl->MaybeSaveAll()) {
        event->ignore();
        return;
    }
    m_Host.SetReceiver(nullptr);
    if (m_Receiver)
        m_Receiver->ClosePort();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    OpenFiles(paths);
    event->acceptProposedAction();
}

}  // namespace lx
