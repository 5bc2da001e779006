#pragma once
// The method projects of the workstation: the open projects and the current one, each with its
// undo stack, the project tree of the left dock, the project selector of the toolbar and the
// commands of the menu "项目(&C)". Windows are the main window's: it opens chromatograms and
// channels for the projects through ProjectHost.

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

#include "core/Language.h"
#include "quant/workflow/MethodTemplate.h"
#include "quant/workflow/ProjectList.h"
#include "ui/project/ProjectTreeWidget.h"
#include "ui/project/ProjectUndo.h"

class QAction;
class QComboBox;
class QMenu;
class QUndoGroup;
class QWidget;

namespace lx {

class AnalysisWindow;
class ChannelWindow;
class Prompter;

class ProjectHost {
public:
    virtual ~ProjectHost() = default;
    virtual AnalysisWindow* OpenChromatogram(const QString& path) = 0;
    virtual QList<AnalysisWindow*> AnalysisWindows() const = 0;
    virtual ChannelWindow* OpenChannel(int channel) = 0;
    virtual ChannelWindow* Channel(int channel) const = 0;
    virtual QWidget* Window() = 0;
    // A window of the workspace (the standard curve), made active; the workspace owns it.
    virtual void ShowInWorkspace(QWidget* window) = 0;
    virtual bool Activate(QWidget* window) = 0;
};

class ProjectController : public QObject {
    Q_OBJECT
public:
    ProjectController(ProjectHost& host, std::string appDir, Prompter& prompter,
                      ParameterBuffer& clipboard, QObject* parent = nullptr);
    ~ProjectController() override;

    ProjectPanel* Panel() const { return m_Panel; }
    QComboBox* Selector() const { return m_Selector; }
    QMenu* Menu() const { return m_Menu; }
    QMenu* EditMenu() const { return m_EditMenu; }
    // The undo stack of the window in front (an analysis window's chromatogram), which the
    // Edit menu's undo and redo work on; null gives them back to the current project. Choosing
    // a node of the project tree gives them to its project until another window comes to front.
    void UseDocumentStack(QUndoStack* stack);
    const ProjectList& Projects() const { return m_Projects; }
    CPrjDoc* Current() const { return m_Projects.Current(); }
    // The session of an open project (its undo stack); null for one that is not open here.
    ProjectSession* SessionOf(const CPrjDoc* project) const;

    // Opens the project file (or makes the open one current).
    CPrjDoc* Open(const QString& path);
    // Asks about every modified project; false when the operator cancels.
    bool MaybeSaveAll();

    // The commands.
    void NewProject();
    void EditProperties();
    void Recalibrate();
    bool CloseCurrent();
    bool Save();
    bool SaveAs();
    void RemoveSelectedRecord();
    void RemoveAllOfSelectedList();
    void PasteIntoTemplate();
    void OpenNode(const TreePlace& place);
    void OfferToChannel(int channel);
    // The template's parameter sheet ("项目模板", "设置分析方法").
    void EditTemplate(ProjectSession& session);
    void ShowCurve(ProjectSession& session);

    // The tree and the selector show the list again.
    void Refresh();

signals:
    // The projects' calibration or components changed: open views show them again.
    void ProjectsChanged();

private:
    void BuildMenus();
    ProjectSession& Session(CPrjDoc& project);
    bool MaybeSave(ProjectSession& session);
    void ActivateStack();
    bool Confirm(const Text& question);

    ProjectHost& m_Host;
    std::string m_AppDir;
    Prompter& m_Prompter;
    ParameterBuffer& m_Clipboard;
    ProjectList m_Projects;
    std::map<const CPrjDoc*, std::unique_ptr<ProjectSession>> m_Sessions;
    // The standard curve window of each project that has one open.
    std::map<const CPrjDoc*, QPointer<QWidget>> m_CurveWindows;
    QUndoGroup* m_UndoGroup;
    QPointer<QUndoStack> m_DocumentStack;
    ProjectPanel* m_Panel;
    QComboBox* m_Selector;
    QMenu* m_Menu = nullptr;
    QMenu* m_EditMenu = nullptr;
};

}  // namespace lx
