#pragma once
// What the sheet tests share: a prompter that answers from a script and keeps every text, the
// lookups that find controls as a screen reader does (by their visible names) or by the
// field they edit, a way to act in a modal dialog once it is open, and a comparison of two
// records that names the first field that differs.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Fields.h"
#include "core/Prompter.h"
#include "core/SampleArray.h"

namespace lx::test {

class RecordingPrompter : public Prompter {
public:
    std::deque<bool> answers;  // for Confirm, in order; No when they run out
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void Inform(const std::string& text, Icon) override { messages.push_back(text); }
};

// The one child of `root` of type T with this object name, or null when there is none or
// more than one.
template <class T>
T* Child(const QWidget* root, const QString& objectName) {
    const auto found = root->findChildren<T*>(objectName);
    return found.size() == 1 ? found.front() : nullptr;
}

// The one child of `root` of type T whose accessible name is `name`, or null.
template <class T>
T* Named(const QWidget* root, const QString& name) {
    T* match = nullptr;
    for (T* child : root->findChildren<T*>()) {
        if (child->accessibleName() != name)
            continue;
        if (match)
            return nullptr;
        match = child;
    }
    return match;
}

// Runs `act` on the modal dialog that the next call opens, once its event loop runs. Events
// handled before it opens (a window being shown) leave the action waiting for it.
inline void WhenDialogOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(dialog);
        else
            WhenDialogOpens(act);
    });
}

namespace detail {

template <class T>
QString Shown(const T& v) {
    if constexpr (std::is_same_v<T, std::string>)
        return QString::fromStdString(v);
    else if constexpr (std::is_arithmetic_v<T>)
        return QString::number(static_cast<double>(v), 'g', 17);
    else
        return QStringLiteral("(value)");
}

template <class T>
QString FirstDifference(const T& a, const T& b, const QString& path) {
    if constexpr (FieldRecord<T>) {
        QString found;
        VisitFieldPairs(a, b, [&](Field field, const auto& x, const auto& y) {
            if (found.isEmpty())
                found =
                    FirstDifference(x, y, path.isEmpty() ? field.name : path + "." + field.name);
        });
        return found;
    } else if constexpr (IsVector<T>::value) {
        if (a.size() != b.size())
            return QString("%1: %2 items vs %3").arg(path).arg(a.size()).arg(b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            const QString found = FirstDifference(a[i], b[i], QString("%1[%2]").arg(path).arg(i));
            if (!found.isEmpty())
                return found;
        }
        return {};
    } else {
        if (a == b)
            return {};
        return path + ": " + Shown(a) + " vs " + Shown(b);
    }
}

}  // namespace detail

// Empty when every stored field is equal; else the first differing field with both values.
template <FieldRecord Record>
QString FirstDifference(const Record& expected, const Record& actual) {
    return detail::FirstDifference(expected, actual, QString());
}

}  // namespace lx::test
