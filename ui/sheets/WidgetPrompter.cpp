#include "ui/sheets/WidgetPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

QMessageBox::Icon BoxIcon(Prompter::Icon icon) {
    switch (icon) {
        case Prompter::Icon::Warning:
            return QMessageBox::Warning;
        case Prompter::Icon::Error:
            return QMessageBox::Critical;
        case Prompter::Icon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

WidgetPrompter::WidgetPrompter(QWidget* parent) : m_Parent(parent) {}

QWidget* WidgetPrompter::Parent() const {
    return m_Parent ? m_Parent.data() : QApplication::activeWindow();
}

bool WidgetPrompter::Confirm(const std::string& text) {
    // The box's title is the program's name, as every question of the workstation has it.
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), Q(text),
                    QMessageBox::Yes | QMessageBox::No, Parent());
    box.button(QMessageBox::Yes)->setText(T(texts::kYes));
    box.button(QMessageBox::No)->setText(T(texts::kNo));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void WidgetPrompter::Inform(const std::string& text, Icon icon) {
    QMessageBox box(BoxIcon(icon), QApplication::applicationDisplayName(), Q(text), QMessageBox::Ok,
                    Parent());
    box.button(QMessageBox::Ok)->setText(T(texts::kOk));
    box.exec();
}

}  // namespace lx
