#pragma once
// "分析方法", the wizard's second page: response basis, identification mode and quantitation
// method, each a radio group whose button index is the value the project stores.

#include <QWizardPage>

#include "quant/workflow/NewProject.h"
#include "ui/projectsheets/ChoiceGroup.h"

namespace lx {

class AnalysisMethodPage : public QWizardPage {
public:
    explicit AnalysisMethodPage(QWidget* parent = nullptr);
    // The page's part of the settings: -1 for a group left without a choice.
    void Fill(NewProjectSettings& settings) const;

private:
    ChoiceGroup* m_Basis;
    ChoiceGroup* m_IdentMode;
    ChoiceGroup* m_Method;
};

}  // namespace lx
