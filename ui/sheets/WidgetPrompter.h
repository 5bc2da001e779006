#pragma once
// The desktop's way of asking and telling the operator: message boxes with the workstation's
// Yes/No and OK buttons, in front of the window that asks.

#include <QPointer>
#include <QWidget>

#include "core/Prompter.h"

namespace lx {

class WidgetPrompter : public Prompter {
public:
    // Boxes open over `parent`, or over the active window when it is null or gone.
    explicit WidgetPrompter(QWidget* parent = nullptr);
    bool Confirm(const std::string& text) override;
    void Inform(const std::string& text, Icon icon) override;

private:
    QWidget* Parent() const;
    QPointer<QWidget> m_Parent;
};

}  // namespace lx
