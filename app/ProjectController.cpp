#include "app/ProjectController.h"

#include <QComboBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUndoGroup>

#include "acq/ChannelMethod.h"
#include "core/Format.h"
#include "core/Prompter.h"
#include "quant/calc/Calibration.h"
#include "quant/workflow/ProjectRecords.h"
#include "ui/AnalysisWindow.h"
#include "ui/ChannelWindow.h"
#include "ui/Widgets.h"
#include "ui/components/ComponentTableDialog.h"
#include "ui/curve/StandardCurveWindow.h"
#include "ui/project/ProjectTexts.h"
#include "ui/projectsheets/NewProjectWizard.h"
#include "ui/projectsheets/ProjectPropertiesSheet.h"
#include "ui/sheets/ParameterSheet.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

ProjectController::ProjectController(ProjectHost& host, std::string appDir, Prompter& prompter,
                                     ParameterBuffer& clipboard, QObject* parent)
    : QObject(parent),
      m_Host(host),
      m_AppDir(std::move(appDir)),
      m_Prompter(prompter),
      m_Clipboard(clipboard),
      m_UndoGroup(new QUndoGroup(this)),
      m_Panel(new ProjectPanel),
      m_Selector(new QComboBox) {
    m_Selector->setAccessibleName(T(project::kSelectorName));
    m_Selector->setMinimumContentsLength(16);
    m_Selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_Selector, &QComboBox::activated, this, [this](int k) {
        m_Projects.SetCurrent(k);
        Refresh();
    });
    connect(m_Panel->Tree(), &ProjectTreeWidget::NodeActivated, this, &ProjectController::OpenNode);
    connect(m_Panel->Tree(), &QTreeWidget::currentItemChanged, this, [this] {
        if (const auto place = m_Panel->Tree()->Selected();
            place && place->project != m_Projects.CurrentIndex()) {
            m_Projects.SetCurrent(place->project);
            m_Selector->setCurrentIndex(place->project);
            m_DocumentStack = nullptr;
            m_UndoGroup->setActiveStack(&Session(*m_Projects.Current()).Undo());
        }
    });
    connect(m_Panel, &ProjectPanel::ChannelRequested, this, &ProjectController::OfferToChannel);
    BuildMenus();
}

ProjectController::~ProjectController() {
    // The stacks go quietly: the tree they would refresh may be gone already.
    for (auto& [project, session] : m_Sessions) {
        disconnect(&session->Undo(), nullptr, this, nullptr);
        m_UndoGroup->removeStack(&session->Undo());
    }
    m_Sessions.clear();
    delete m_Menu;
    delete m_EditMenu;
}

void ProjectController::BuildMenus() {
    m_Menu = new QMenu(T(project::kProjectMenu));
    m_Menu->addAction(T(project::kNewProject), QKeySequence::New, this,
                      &ProjectController::NewProject);
    m_Menu->addAction(T(project::kProperties), this, &ProjectController::EditProperties);
    m_Menu->addAction(T(project::kRecalibrate), this, &ProjectController::Recalibrate);
    m_Menu->addSeparator();
    m_Menu->addAction(T(project::kSaveProject), QKeySequence::Save, this, &ProjectController::Save);
    m_Menu->addAction(T(project::kSaveProjectAs), this, &ProjectController::SaveAs);
    m_Menu->addAction(T(project::kCloseProject), this, &ProjectController::CloseCurrent);
    m_Menu->addSeparator();
    m_Menu->addAction(T(project::kRemoveRecord), this, &ProjectController::RemoveSelectedRecord);
    m_Menu->addAction(T(project::kRemoveAllRecords), this,
                      &ProjectController::RemoveAllOfSelectedList);
    m_Menu->addAction(T(project::kPasteTemplate), this, &ProjectController::PasteIntoTemplate);

    m_EditMenu = new QMenu(T(project::kEditMenu));
    QAction* undo = m_UndoGroup->createUndoAction(this, T(project::kUndo));
    QAction* redo = m_UndoGroup->createRedoAction(this, T(project::kRedo));
    undo->setShortcut(QKeySequence::Undo);
    // Ctrl+Y as on the workstations the operators come from, beside the desktop's own keys.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setShortcuts(redoKeys);
    m_EditMenu->addAction(undo);
    m_EditMenu->addAction(redo);
    for (QMenu* menu : {m_Menu, m_EditMenu})
        for (QAction* action : menu->actions())
            action->setObjectName(CommandName(action->text()));
    // The undo texts change with the step; the commands keep their names.
    undo->setObjectName(CommandName(T(project::kUndo)));
    redo->setObjectName(CommandName(T(project::kRedo)));
}

ProjectSession* ProjectController::SessionOf(const CPrjDoc* project) const {
    const auto found = m_Sessions.find(project);
    return found == m_Sessions.end() ? nullptr : found->second.get();
}

ProjectSession& ProjectController::Session(CPrjDoc& project) {
    auto& session = m_Sessions[&project];
    if (!session) {
        session = std::make_unique<ProjectSession>(project);
        m_UndoGroup->addStack(&session->Undo());
        // The tree's modified mark and the views follow every step, undo and redo included.
        connect(&session->Undo(), &QUndoStack::cleanChanged, this, &ProjectController::Refresh);
        connect(&session->Undo(), &QUndoStack::indexChanged, this,
                &ProjectController::ProjectsChanged);
    }
    return *session;
}

void ProjectController::Refresh() {
    std::vector<bool> modified;
    m_Selector->clear();
    for (std::size_t k = 0; k < m_Projects.size(); ++k) {
        CPrjDoc& project = m_Projects.at(k);
        modified.push_back(Session(project).IsModified());
        m_Selector->addItem(Q(project.m_MethodName));
    }
    m_Selector->setCurrentIndex(m_Projects.CurrentIndex());
    m_Panel->Tree()->Rebuild(m_Projects, modified);
    m_Panel->Tree()->SelectProject(m_Projects.CurrentIndex());
    ActivateStack();
}

void ProjectController::UseDocumentStack(QUndoStack* stack) {
    m_DocumentStack = stack;
    if (stack && !m_UndoGroup->stacks().contains(stack))
        m_UndoGroup->addStack(stack);
    ActivateStack();
}

void ProjectController::ActivateStack() {
    if (m_DocumentStack)
        m_UndoGroup->setActiveStack(m_DocumentStack);
    else if (CPrjDoc* current = m_Projects.Current())
        m_UndoGroup->setActiveStack(&Session(*current).Undo());
    else
        m_UndoGroup->setActiveStack(nullptr);
}

CPrjDoc* ProjectController::Open(const QString& path) {
    Result<CPrjDoc*> opened = OpenProject(m_Projects, S(path), m_AppDir);
    if (!opened.ok()) {
        m_Prompter.Inform(opened.error(), Prompter::Icon::Error);
        return nullptr;
    }
    Session(*opened.value());
    Refresh();
    return opened.value();
}

bool ProjectController::Confirm(const Text& question) {
    return m_Prompter.Confirm(Tr(question));
}

void ProjectController::NewProject() {
    NewProjectWizard wizard(m_AppDir, m_Projects, m_Prompter, m_Host.Window());
    if (wizard.exec() != QDialog::Accepted || wizard.CreatedPath().empty())
        return;
    // The wizard made it, saved it and made it current in the list.
    Session(*m_Projects.Current()).MarkSaved();
    Refresh();
}

void ProjectController::EditProperties() {
    if (CPrjDoc* project = Current()) {
        ProjectPropertiesSheet sheet(Session(*project), m_Host.Window());
        sheet.exec();
    }
}

void ProjectController::ShowCurve(ProjectSession& session) {
    QPointer<QWidget>& open = m_CurveWindows[&session.Project()];
    if (open && m_Host.Activate(open))
        return;
    auto* window = new StandardCurveWindow(session, m_Prompter);
    // Several projects may each show their curve: the tab says whose it is.
    window->setWindowTitle(window->windowTitle() + " - " + Q(session.Project().m_MethodName));
    connect(this, &ProjectController::ProjectsChanged, window, &StandardCurveWindow::Refresh);
    open = window;
    m_Host.ShowInWorkspace(window);
}

void ProjectController::Recalibrate() {
    CPrjDoc* project = Current();
    if (!project)
        return;
    ProjectEdit edit(Session(*project), T(project::kStepRecalibrate));
    Calibrate(*project, m_Prompter);
    edit.Commit();
    emit ProjectsChanged();
}

bool ProjectController::MaybeSave(ProjectSession& session) {
    if (!session.IsModified())
        return true;
    const QString question =
        Q(Format(Tr(project::kSaveChangesQuestion), session.Project().m_PathName.c_str()));
    const auto answer = QMessageBox::question(
        m_Host.Window(), QString(), question,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    const int current = m_Projects.CurrentIndex();
    m_Projects.SetCurrent(m_Projects.IndexOf(session.Project().m_PathName));
    const bool saved = Save();
    m_Projects.SetCurrent(current);
    return saved;
}

bool ProjectController::MaybeSaveAll() {
    for (std::size_t k = 0; k < m_Projects.size(); ++k)
        if (!MaybeSave(Session(m_Projects.at(k))))
            return false;
    return true;
}

bool ProjectController::CloseCurrent() {
    CPrjDoc* project = Current();
    if (!project)
        return true;
    QList<AnalysisWindow*> linked;
    for (AnalysisWindow* window : m_Host.AnalysisWindows())
        if (window->Document().m_Project == project)
            linked << window;
    if (!linked.isEmpty()) {
        const bool closeThem = Confirm(project::kConfirmCloseCharts);
        for (AnalysisWindow* window : linked) {
            if (closeThem)
                window->parentWidget()->close();
            else
                window->Document().m_Project = nullptr;
        }
    }
    // A channel recording with the project files its run into it at the end: the project stays.
    for (int channel : {0, 1}) {
        ChannelWindow* window = m_Host.Channel(channel);
        if (window && window->Document().m_Project == project && window->Document().IsRunning()) {
            m_Prompter.Inform(
                Tr(channel == 0 ? project::kChannelARunning : project::kChannelBRunning),
                Prompter::Icon::Warning);
            return false;
        }
    }
    ProjectSession& session = Session(*project);
    if (!MaybeSave(session))
        return false;
    for (int channel : {0, 1})
        if (ChannelWindow* window = m_Host.Channel(channel);
            window && window->Document().m_Project == project)
            window->Document().m_Project = nullptr;
    // Windows that kept their unsaved changes still point at the project: they let go.
    for (AnalysisWindow* window : m_Host.AnalysisWindows())
        if (window->Document().m_Project == project)
            window->Document().m_Project = nullptr;
    if (QPointer<QWidget> curve = m_CurveWindows[project])
        delete curve->parentWidget();  // its workspace frame, and the window with it
    m_CurveWindows.erase(project);
    m_UndoGroup->removeStack(&session.Undo());
    m_Sessions.erase(project);
    m_Projects.Close(m_Projects.CurrentIndex());
    Refresh();
    return true;
}

bool ProjectController::Save() {
    CPrjDoc* project = Current();
    if (!project)
        return false;
    if (Status saved = SaveProject(*project, project->m_PathName); !saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    Session(*project).MarkSaved();
    Refresh();
    return true;
}

bool ProjectController::SaveAs() {
    CPrjDoc* project = Current();
    if (!project)
        return false;
    QString path = QFileDialog::getSaveFileName(m_Host.Window(), T(project::kSaveProjectTitle),
                                                Q(project->m_PathName), T(project::kProjectFilter));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(".Tzp", Qt::CaseInsensitive))
        path += ".Tzp";
    if (Status saved = SaveProject(*project, S(path)); !saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    project->m_PathName = S(path);
    Session(*project).MarkSaved();
    Refresh();
    return true;
}

void ProjectController::RemoveSelectedRecord() {
    const auto place = m_Panel->Tree()->Selected();
    if (!place || place->kind != ProjectTreeNode::Kind::kRecord)
        return;
    ProjectEdit edit(Session(m_Projects.at(place->project)), T(project::kStepRemoveRecord));
    if (RemoveRecord(m_Projects.at(place->project), place->list, place->index, m_Prompter))
        edit.Commit();
    Refresh();
}

void ProjectController::RemoveAllOfSelectedList() {
    const auto place = m_Panel->Tree()->Selected();
    if (!place)
        return;
    RecordList list;
    if (place->kind == ProjectTreeNode::Kind::kStandards)
        list = RecordList::kStandards;
    else if (place->kind == ProjectTreeNode::Kind::kSamples)
        list = RecordList::kSamples;
    else
        return;
    ProjectEdit edit(Session(m_Projects.at(place->project)), T(project::kStepRemoveAll));
    if (RemoveAllRecords(m_Projects.at(place->project), list, m_Prompter))
        edit.Commit();
    Refresh();
}

void ProjectController::PasteIntoTemplate() {
    CPrjDoc* project = Current();
    if (!project)
        return;
    ProjectEdit edit(Session(*project), T(project::kStepPasteTemplate));
    if (PasteParameterBuffer(*project, m_Clipboard, m_Prompter))
        edit.Commit();
}

void ProjectController::EditTemplate(ProjectSession& session) {
    CTzLabDoc record;
    ApplyProjectTemplate(record, session.Project());
    ParameterSheet sheet(record, SheetKind::Chromatogram, m_Prompter, record.m_PrintSettings,
                         m_Host.Window());
    if (sheet.exec() != QDialog::Accepted)
        return;
    ProjectEdit edit(session, T(project::kStepTemplate));
    StoreProjectTemplate(session.Project(), record);
    edit.Commit();
}

void ProjectController::OpenNode(const TreePlace& place) {
    if (place.project < 0 || std::size_t(place.project) >= m_Projects.size())
        return;
    CPrjDoc& project = m_Projects.at(place.project);
    ProjectSession& session = Session(project);
    switch (place.kind) {
        case ProjectTreeNode::Kind::kRecord: {
            std::optional<std::string> path;
            {
                ProjectEdit edit(session, T(project::kStepOpenRecord));
                path = OpenRecordFile(project, place.list, place.index, m_Prompter);
                edit.Commit();  // a vanished file's record may have gone
            }
            Refresh();
            if (!path)
                return;
            if (AnalysisWindow* window = m_Host.OpenChromatogram(Q(*path))) {
                // Linked, its peaks are named after the project's components at once.
                window->Document().m_Project = &project;
                project.IdentifyPeaks(window->Document());
                window->ApplySettings();
            }
            return;
        }
        case ProjectTreeNode::Kind::kTemplate:
        case ProjectTreeNode::Kind::kMethod:
            EditTemplate(session);
            return;
        case ProjectTreeNode::Kind::kStandards:
            EditProperties();
            return;
        case ProjectTreeNode::Kind::kCurve:
            ShowCurve(session);
            return;
        case ProjectTreeNode::Kind::kComponents: {
            ComponentTableDialog dialog(session, m_Prompter, m_Host.Window());
            dialog.exec();
            emit ProjectsChanged();
            return;
        }
        default:
            return;
    }
}

void ProjectController::OfferToChannel(int channel) {
    const auto place = m_Panel->Tree()->Selected();
    CPrjDoc* project = place ? &m_Projects.at(place->project) : Current();
    if (!project)
        return;
    const bool standards =
        place &&
        (place->kind == ProjectTreeNode::Kind::kStandards ||
         (place->kind == ProjectTreeNode::Kind::kRecord && place->list != RecordList::kSamples));
    if (ChannelWindow* open = m_Host.Channel(channel)) {
        AssignProject(open->Document(), *project, standards, m_Prompter);
        return;
    }
    // A channel without a window gets one, and the project without a question.
    TakeProject(m_Host.OpenChannel(channel)->Document(), *project, standards ? 0 : 1);
}

}  // namespace lx
