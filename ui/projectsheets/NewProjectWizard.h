#pragma once
// "新建项目": the two-page wizard that creates a method project. Finish makes the folder
// APPDIR/NAME and the project NAME.Tzp in it through the engine (CreateProject), saved at once
// and open and current in the project list; the caller then shows it.
//
// The wizard works without exec(): show() it, fill the pages, press next() or the Finish
// button. A refused page stays, with the engine's message through the prompter; so does the
// last page when Finish is refused (a name in use, an overwrite declined), so the operator
// can go back and choose another name.

#include <QWizard>

#include <string>

#include "core/Prompter.h"
#include "quant/workflow/ProjectList.h"

namespace lx {

class AnalysisMethodPage;
class ProjectInfoPage;

class NewProjectWizard : public QWizard {
public:
    // `projects` and `prompter` must outlive the wizard.
    NewProjectWizard(std::string appDir, ProjectList& projects, Prompter& prompter,
                     QWidget* parent = nullptr);

    // The .Tzp written by Finish; empty until a project was created.
    const std::string& CreatedPath() const { return m_CreatedPath; }

    // Leaving "项目属性" needs a valid method name; Finish creates the project.
    bool validateCurrentPage() override;

private:
    std::string m_AppDir;
    ProjectList& m_Projects;
    Prompter& m_Prompter;
    ProjectInfoPage* m_InfoPage;
    AnalysisMethodPage* m_MethodPage;
    std::string m_CreatedPath;
};

}  // namespace lx
