#include "ui/projectsheets/NewProjectWizard.h"

#include "quant/QuantTexts.h"
#include "quant/workflow/NewProject.h"
#include "ui/projectsheets/AnalysisMethodPage.h"
#include "ui/projectsheets/ProjectInfoPage.h"
#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

NewProjectWizard::NewProjectWizard(std::string appDir, ProjectList& projects, Prompter& prompter,
                                   QWidget* parent)
    : QWizard(parent),
      m_AppDir(std::move(appDir)),
      m_Projects(projects),
      m_Prompter(prompter),
      m_InfoPage(new ProjectInfoPage),
      m_MethodPage(new AnalysisMethodPage) {
    setWindowTitle(T(texts::kNewProjectTitle));
    setOption(QWizard::NoBackButtonOnStartPage);
    m_InfoPage->setObjectName("projectInfoPage");
    m_MethodPage->setObjectName("analysisMethodPage");
    addPage(m_InfoPage);
    addPage(m_MethodPage);
    for (auto [which, text] : {std::pair{QWizard::BackButton, texts::kWizardBack},
                               std::pair{QWizard::NextButton, texts::kWizardNext},
                               std::pair{QWizard::FinishButton, texts::kWizardFinish},
                               std::pair{QWizard::CancelButton, texts::kCancel}})
        setButtonText(which, T(text));
}

bool NewProjectWizard::validateCurrentPage() {
    NewProjectSettings settings;
    m_InfoPage->Fill(settings);
    if (currentPage() == m_InfoPage) {
        if (IsValidMethodName(settings.m_MethodName))
            return true;
        m_Prompter.Inform(Tr(texts::kBadMethodName), Prompter::Icon::Warning);
        return false;
    }
    m_MethodPage->Fill(settings);
    const CPrjDoc* created = CreateProject(settings, m_AppDir, m_Projects, m_Prompter);
    if (!created)
        return false;
    m_CreatedPath = created->m_PathName;
    return true;
}

}  // namespace lx
