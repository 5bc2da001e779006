#pragma once
// The small dialog of a double-click on a standard of "校正设置": the calibration level the
// standard moves to. One above the project's count stands for a new level at the end.

#include <QDialog>
#include <QSpinBox>

#include <optional>

namespace lx {

class LevelDialog : public QDialog {
public:
    // Offers 1 to levelCount + 1 (not beyond the most levels a project holds), starting at
    // `level`.
    LevelDialog(int level, int levelCount, QWidget* parent = nullptr);
    int Level() const { return m_Level->value(); }

    // The level the operator chose, or nothing after Cancel.
    static std::optional<int> Ask(int level, int levelCount, QWidget* parent);

private:
    QSpinBox* m_Level;
};

}  // namespace lx
