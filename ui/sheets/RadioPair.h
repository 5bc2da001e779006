#pragma once
// Two radio buttons for a two-valued field of a record (standard or sample run, portrait or
// landscape). A value that is neither shows as the second and stays as it was unless the
// operator picks the other button.

#include <QButtonGroup>
#include <QRadioButton>

#include <cstdint>

#include "core/Language.h"

namespace lx {

class RadioPair {
public:
    // `first` stands for `firstValue`; `second` for every other value, `secondValue` when chosen.
    RadioPair(const Text& first, std::int32_t firstValue, const Text& second,
              std::int32_t secondValue, QWidget* parent);
    QRadioButton* First() const { return m_First; }
    QRadioButton* Second() const { return m_Second; }
    void Load(std::int32_t value);
    std::int32_t Value() const;

private:
    QRadioButton* m_First;
    QRadioButton* m_Second;
    std::int32_t m_FirstValue, m_SecondValue;
    std::int32_t m_Kept = 0;
};

}  // namespace lx
