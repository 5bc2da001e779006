#include "ui/projectsheets/ChoiceGroup.h"

#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"

namespace lx {

ChoiceGroup::ChoiceGroup(const Text& title, const char* objectName,
                         std::initializer_list<Text> choices, QWidget* parent)
    : QGroupBox(T(title), parent), m_Buttons(new QButtonGroup(this)) {
    setObjectName(objectName);
    NameControl(this, title);
    auto* layout = new QVBoxLayout(this);
    int value = 0;
    for (const Text& choice : choices) {
        auto* button = new QRadioButton(T(choice));
        NameControl(button, choice);
        m_Buttons->addButton(button, value++);
        layout->addWidget(button);
    }
}

QRadioButton* ChoiceGroup::Button(int value) const {
    return qobject_cast<QRadioButton*>(m_Buttons->button(value));
}

}  // namespace lx
