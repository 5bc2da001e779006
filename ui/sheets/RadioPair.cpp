#include "ui/sheets/RadioPair.h"

#include "ui/sheets/SheetControls.h"

namespace lx {

namespace {

QRadioButton* MakeRadio(const Text& text, QWidget* parent) {
    auto* radio = new QRadioButton(T(text), parent);
    radio->setAccessibleName(T(text));
    return radio;
}

}  // namespace

RadioPair::RadioPair(const Text& first, std::int32_t firstValue, const Text& second,
                     std::int32_t secondValue, QWidget* parent)
    : m_First(MakeRadio(first, parent)),
      m_Second(MakeRadio(second, parent)),
      m_FirstValue(firstValue),
      m_SecondValue(secondValue) {
    auto* group = new QButtonGroup(parent);  // one choice even when laid out apart
    group->addButton(m_First);
    group->addButton(m_Second);
}

void RadioPair::Load(std::int32_t value) {
    m_Kept = value;
    (value == m_FirstValue ? m_First : m_Second)->setChecked(true);
}

std::int32_t RadioPair::Value() const {
    const bool keptIsFirst = m_Kept == m_FirstValue;
    if (m_First->isChecked() == keptIsFirst)
        return m_Kept;
    return m_First->isChecked() ? m_FirstValue : m_SecondValue;
}

}  // namespace lx
