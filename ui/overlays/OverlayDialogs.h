#pragma once
// The dialogs of the processing commands: "曲线拟合" (which two overlays, added or
// subtracted), "图谱平滑" (the smoothing interval) and "基线校正" (the shift). Each only asks;
// the commands do the work on OK.

#include <QDialog>

#include "process/OverlayList.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

namespace lx {

// "曲线拟合": both lists name every overlay; chromatogram 1 starts at the current one, and
// chromatogram 2 at the first other one.
class CombineDialog : public QDialog {
    Q_OBJECT
public:
    explicit CombineDialog(const OverlayList& list, QWidget* parent = nullptr);
    // Overlay indices.
    int First() const;
    int Second() const;
    // "-" chosen instead of "+".
    bool Subtracts() const;

private:
    QComboBox* m_First;
    QComboBox* m_Second;
    QRadioButton* m_Plus;
    QRadioButton* m_Minus;
};

// "图谱平滑": the interval in samples, 5 to begin with.
class SmoothDialog : public QDialog {
    Q_OBJECT
public:
    explicit SmoothDialog(QWidget* parent = nullptr);
    int Width() const;

private:
    QSpinBox* m_Width;
};

// "基线校正": a shift in mV, or the first sample's level with "自动零基线".
class BaselineDialog : public QDialog {
    Q_OBJECT
public:
    explicit BaselineDialog(QWidget* parent = nullptr);
    double Millivolts() const;
    bool AutoZero() const;

private:
    QDoubleSpinBox* m_Value;
    QCheckBox* m_AutoZero;
};

}  // namespace lx
