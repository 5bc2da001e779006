#pragma once
// Controls that hand back the record's own value until the operator changes them. A sheet
// opened and closed with OK must leave the record as it was, and a record loaded from an older
// file may hold what our controls would round or clamp: a time of 12.3456 minutes, a flag of 2,
// an alignment of 7, a name whose bytes are no valid text. Those stay as they were unless the
// operator edits that very control.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstdint>
#include <string>

#include "core/Language.h"

namespace lx {

// A number shown in a spin box. `kept` is what the record holds (in the record's unit, which
// may differ from the shown one); Kept() gives it back while the shown number is unchanged.
class NumberBox : public QDoubleSpinBox {
public:
    NumberBox(double minimum, double maximum, int decimals, QWidget* parent = nullptr);
    void Load(double shown, double kept);
    void Load(double value) { Load(value, value); }
    bool Edited() const { return value() != m_Shown; }
    double Kept() const { return m_Kept; }
    // The shown number once edited, else the record's value.
    double Exact() const { return Edited() ? value() : m_Kept; }

private:
    double m_Shown = 0.0;
    double m_Kept = 0.0;
};

// A 0/1 switch of the record: any non-zero value shows checked.
class FlagBox : public QCheckBox {
public:
    // Shows `text`, which is also its accessible name; named `objectName` for the field it edits.
    FlagBox(const Text& text, const char* objectName, QWidget* parent = nullptr);
    void Load(std::int32_t flag);
    bool Edited() const { return isChecked() != (m_Kept != 0); }
    std::int32_t Value() const;

private:
    std::int32_t m_Kept = 0;
};

// A choice stored as its index in the list.
class ChoiceBox : public QComboBox {
public:
    explicit ChoiceBox(const QStringList& items, QWidget* parent = nullptr);
    void Load(std::int32_t index);
    std::int32_t Value() const;

private:
    std::int32_t m_Kept = 0;
};

// One line of text. UTF-8 in the record; bytes that are no UTF-8 survive when not edited.
class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget* parent = nullptr);
    void Load(const std::string& text);
    bool Edited() const { return text() != m_Shown; }
    std::string Value() const;

private:
    std::string m_Kept;
    QString m_Shown;
};

// Several lines of text, as the notes of a sample.
class NotesBox : public QPlainTextEdit {
public:
    explicit NotesBox(QWidget* parent = nullptr);
    void Load(const std::string& text);
    std::string Value() const;

private:
    std::string m_Kept;
    QString m_Shown;
};

}  // namespace lx
