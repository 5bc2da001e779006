#pragma once
// "项目属性", the wizard's first page: the method's name and what describes the project.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWizardPage>

#include "quant/workflow/NewProject.h"

namespace lx {

class ProjectInfoPage : public QWizardPage {
public:
    explicit ProjectInfoPage(QWidget* parent = nullptr);
    std::string MethodName() const;
    // The page's part of the settings the project is created with.
    void Fill(NewProjectSettings& settings) const;

private:
    QLineEdit* m_MethodName;
    QLineEdit* m_Operator;
    QLineEdit* m_SampleName;
    QLineEdit* m_Organization;
    QPlainTextEdit* m_Information;
};

}  // namespace lx
