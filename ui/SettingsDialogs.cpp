#include "ui/SettingsDialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/UiTexts.h"
#include "ui/Widgets.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// The colour roles in the dialog's order, with where each lives in the settings.
struct ColourRole {
    Text label;
    Rgb DisplaySettings::*member;
};
constexpr ColourRole kColourRoles[] = {
    {ui::kColourTrace, &DisplaySettings::trace},
    {ui::kColourBackground, &DisplaySettings::background},
    {ui::kColourBaseline, &DisplaySettings::baseline},
    {ui::kColourSelected, &DisplaySettings::selectedPeak},
    {ui::kColourLabels, &DisplaySettings::labels},
    {ui::kColourFrame, &DisplaySettings::frameBand},
};

// The screen columns in the dialog's order.
struct ColumnRole {
    Text label;
    bool ColumnSwitches::*member;
};
constexpr ColumnRole kColumnRoles[] = {
    {ui::kColNumber, &ColumnSwitches::number},   {ui::kColName, &ColumnSwitches::name},
    {ui::kColTime, &ColumnSwitches::time},       {ui::kColArea, &ColumnSwitches::area},
    {ui::kColHeight, &ColumnSwitches::height},   {ui::kColAreaHeight, &ColumnSwitches::areaHeight},
    {ui::kColPercent, &ColumnSwitches::percent}, {ui::kColResolution, &ColumnSwitches::resolution},
    {ui::kColTailing, &ColumnSwitches::tailing}, {ui::kColPlates, &ColumnSwitches::plates},
    {ui::kColContent, &ColumnSwitches::content},
};

}  // namespace

PortDialog::PortDialog(int port, int frequency, const std::vector<std::string>& devices,
                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(ui::kPortTitle));
    QStringList ports;
    for (int k = 0; k < 6; ++k) {
        // The machine's device beside its index, so the operator sees which cable COMn is.
        const QString name = QStringLiteral("COM%1").arg(k + 1);
        ports << (k < int(devices.size()) ? name + "  (" + QString::fromStdString(devices[k]) + ")"
                                          : name);
    }
    auto* form = new QFormLayout;
    m_Port = AddChoiceRow(form, ui::kPortLabel, ports, std::clamp(port, 0, 5));
    m_Frequency = AddChoiceRow(form, ui::kFrequencyLabel,
                               {T(ui::kFrequency10), T(ui::kFrequency20)}, frequency == 10 ? 0 : 1);
    FinishDialog(this, form);
}

int PortDialog::Port() const {
    return m_Port->currentIndex();
}
int PortDialog::Frequency() const {
    return m_Frequency->currentIndex() == 0 ? 10 : 20;
}

HoldDialog::HoldDialog(int holdLength, QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(ui::kHoldTitle));
    auto* form = new QFormLayout;
    m_Length = AddIntegerRow(form, ui::kHoldLabel, 0, 1000000, holdLength);
    FinishDialog(this, form);
}

int HoldDialog::HoldLength() const {
    return std::min(m_Length->value(), 15);
}

ColourDialog::ColourDialog(const DisplaySettings& settings, QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(ui::kColourTitle));
    auto* form = new QFormLayout;
    for (int k = 0; k < 6; ++k) {
        m_Colours[k] = settings.*kColourRoles[k].member;
        auto* button = new QPushButton;
        button->setMinimumWidth(120);
        button->setAccessibleName(T(kColourRoles[k].label));
        connect(button, &QPushButton::clicked, this, [this, k] {
            const Rgb c = m_Colours[k];
            const QColor chosen =
                QColorDialog::getColor(QColor(c.r, c.g, c.b), this, T(kColourRoles[k].label));
            if (chosen.isValid())
                SetColour(k, {chosen.red(), chosen.green(), chosen.blue()});
        });
        auto* label = new QLabel(T(kColourRoles[k].label));
        label->setBuddy(button);
        form->addRow(label, button);
        m_Buttons[k] = button;
        Show(k);
    }
    FinishDialog(this, form);
}

void ColourDialog::SetColour(int k, Rgb colour) {
    m_Colours[k] = colour;
    Show(k);
}

void ColourDialog::Show(int k) {
    const Rgb c = m_Colours[k];
    m_Buttons[k]->setStyleSheet(
        QStringLiteral("background-color: rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b));
}

void ColourDialog::Store(DisplaySettings& settings) const {
    for (int k = 0; k < 6; ++k)
        settings.*kColourRoles[k].member = m_Colours[k];
}

ResultDisplayDialog::ResultDisplayDialog(const ColumnSwitches& columns, bool peakType,
                                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(ui::kResultDisplayTitle));
    auto* grid = new QGridLayout;
    for (int k = 0; k < 11; ++k) {
        m_Boxes[k] = new QCheckBox(T(kColumnRoles[k].label));
        m_Boxes[k]->setAccessibleName(T(kColumnRoles[k].label));
        m_Boxes[k]->setChecked(columns.*kColumnRoles[k].member);
        grid->addWidget(m_Boxes[k], k / 2, k % 2);
    }
    m_PeakType = new QCheckBox(T(ui::kColPeakType));
    m_PeakType->setAccessibleName(T(ui::kColPeakType));
    m_PeakType->setChecked(peakType);
    grid->addWidget(m_PeakType, 5, 1);
    auto* form = new QFormLayout;
    form->addRow(grid);
    FinishDialog(this, form);
}

bool ResultDisplayDialog::PeakType() const {
    return m_PeakType->isChecked();
}

ColumnSwitches ResultDisplayDialog::Columns() const {
    ColumnSwitches columns;
    for (int k = 0; k < 11; ++k)
        columns.*kColumnRoles[k].member = m_Boxes[k]->isChecked();
    return columns;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(T(ui::kAboutTitle));
    auto* text = new QLabel(T(ui::kAboutText));
    text->setAlignment(Qt::AlignCenter);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(T(ui::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

}  // namespace lx
