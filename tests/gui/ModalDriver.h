#pragma once
// Answers the modal dialogs and message boxes a command opens, from inside its exec(): the
// test says beforehand what to do with the next one, and keeps the texts it saw.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace lx::test {

class ModalDriver {
public:
    // Every modal widget that opens from now on is handed to `act`, which ends it.
    explicit ModalDriver(std::function<void(QWidget*)> act) : m_Act(std::move(act)) {
        QObject::connect(&m_Timer, &QTimer::timeout, [this] { Poll(); });
        m_Timer.start(10);
    }

    // The texts of the message boxes seen so far.
    const QStringList& Texts() const { return m_Texts; }
    int Count() const { return m_Count; }

    // Message boxes answer `button`; other dialogs are accepted after `fill`.
    static std::function<void(QWidget*)> Answer(QMessageBox::StandardButton button,
                                                std::function<void(QDialog*)> fill = {}) {
        return [button, fill](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                QAbstractButton* chosen = box->button(button);
                if (!chosen)  // an OK box
                    chosen = box->buttons().value(0);
                chosen->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                if (fill)
                    fill(dialog);
                dialog->accept();
            }
        };
    }

    // Message boxes answer `button`; other modal widgets are left alone (a driver inside a
    // dialog's own handling answers the questions its buttons ask).
    static std::function<void(QWidget*)> AnswerBoxes(QMessageBox::StandardButton button) {
        return [button](QWidget* modal) {
            if (qobject_cast<QMessageBox*>(modal))
                Answer(button)(modal);
        };
    }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_Last)
            return;
        m_Last = modal;
        ++m_Count;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            m_Texts << box->text();
        m_Act(modal);
    }

    std::function<void(QWidget*)> m_Act;
    QTimer m_Timer;
    QPointer<QWidget> m_Last;
    QStringList m_Texts;
    int m_Count = 0;
};

}  // namespace lx::test
