#include "ui/curve/CurveFontsDialog.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/curve/CurveTexts.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"
#include "ui/sheets/StyleButtons.h"

namespace lx {

CurveFontsDialog::CurveFontsDialog(const LogFont& titleFont, const LogFont& bodyFont,
                                   QWidget* parent)
    : QDialog(parent),
      m_Title(new FontButton(texts::kFontSettings, curve::kTitleFont)),
      m_Body(new FontButton(texts::kFontSettings, curve::kBodyFont)) {
    setWindowTitle(T(texts::kPrintSettingsTab));
    m_Title->Load(titleFont);
    m_Body->Load(bodyFont);
    auto* form = new QFormLayout;
    AddRow(form, curve::kTitleFont, m_Title);
    AddRow(form, curve::kBodyFont, m_Body);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel(this));
}

const LogFont& CurveFontsDialog::TitleFont() const {
    return m_Title->Value();
}

const LogFont& CurveFontsDialog::BodyFont() const {
    return m_Body->Value();
}

}  // namespace lx
