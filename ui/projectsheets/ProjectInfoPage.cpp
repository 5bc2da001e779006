#include "ui/projectsheets/ProjectInfoPage.h"

#include <QDate>
#include <QFormLayout>

#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

QLineEdit* MakeEdit(const char* objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

}  // namespace

ProjectInfoPage::ProjectInfoPage(QWidget* parent)
    : QWizardPage(parent),
      m_MethodName(MakeEdit("m_MethodName")),
      m_Operator(MakeEdit("m_Operator")),
      m_SampleName(MakeEdit("m_SampleName")),
      m_Organization(MakeEdit("m_Organization")),
      m_Information(new QPlainTextEdit) {
    setTitle(T(texts::kProjectInfoPage));
    m_Information->setObjectName("m_Information");

    // The project takes its creation time when Finish saves it; the page shows the day.
    auto* created = MakeEdit("createdOn");
    created->setText(QDate::currentDate().toString("yyyy.MM.dd"));
    created->setReadOnly(true);
    // The project file has no place for an injected volume: each chromatogram keeps its own.
    // The field stays so the page reads as operators know it.
    auto* injected = MakeEdit("injected");

    auto* form = new QFormLayout(this);
    AddRow(form, texts::kMethodNameField, m_MethodName);
    AddRow(form, texts::kCreatedField, created);
    AddRow(form, texts::kOperatorField, m_Operator);
    AddRow(form, texts::kSampleNameField, m_SampleName);
    AddRow(form, texts::kOrganizationField, m_Organization);
    AddRow(form, texts::kInjectedField, injected);
    AddRow(form, texts::kInformationField, m_Information);
}

std::string ProjectInfoPage::MethodName() const {
    return S(m_MethodName->text());
}

void ProjectInfoPage::Fill(NewProjectSettings& settings) const {
    settings.m_MethodName = MethodName();
    settings.m_Operator = S(m_Operator->text());
    settings.m_SampleName = S(m_SampleName->text());
    settings.m_Organization = S(m_Organization->text());
    settings.m_Information = S(m_Information->toPlainText());
}

}  // namespace lx
