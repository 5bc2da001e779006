#pragma once
// A framed group of radio buttons for one project setting, the value being the index of the
// chosen button. None is chosen at first and the operator cannot clear a choice once made;
// a group left alone gives -1, which the engine reads as "no choice".

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

#include <cstdint>
#include <initializer_list>

#include "core/Language.h"

namespace lx {

class ChoiceGroup : public QGroupBox {
public:
    // `objectName` names the project field the group sets; the title and every button are
    // named by their visible texts.
    ChoiceGroup(const Text& title, const char* objectName, std::initializer_list<Text> choices,
                QWidget* parent = nullptr);
    std::int32_t Value() const { return m_Buttons->checkedId(); }
    // The button of `value`, or null outside the group.
    QRadioButton* Button(int value) const;

private:
    QButtonGroup* m_Buttons;
};

}  // namespace lx
