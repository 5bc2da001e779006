#include "ui/projectsheets/AnalysisMethodPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/projectsheets/ProjectSheetTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

AnalysisMethodPage::AnalysisMethodPage(QWidget* parent)
    : QWizardPage(parent),
      m_Basis(new ChoiceGroup(texts::kBasisGroup, "m_Basis",
                              {texts::kAreaBasisChoice, texts::kHeightBasisChoice})),
      m_IdentMode(new ChoiceGroup(texts::kIdentGroup, "m_IdentMode",
                                  {texts::kTimeBandChoice, texts::kClosestPeakChoice,
                                   texts::kTimeWindowChoice, texts::kElutionOrderChoice})),
      m_Method(
          new ChoiceGroup(texts::kMethodGroup, "m_Method",
                          {texts::kNormalizationChoice, texts::kInternalStandardChoice,
                           texts::kExternalStandardChoice, texts::kIndexMethodChoice,
                           texts::kCalibratedNormalizationChoice, texts::kFingerprintChoice})) {
    setTitle(T(texts::kAnalysisMethodPage));
    auto* left = new QVBoxLayout;
    left->addWidget(m_Basis);
    left->addWidget(m_IdentMode);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_Method);
}

void AnalysisMethodPage::Fill(NewProjectSettings& settings) const {
    settings.m_Basis = m_Basis->Value();
    settings.m_IdentMode = m_IdentMode->Value();
    settings.m_Method = m_Method->Value();
}

}  // namespace lx
