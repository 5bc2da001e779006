#pragma once
// "坐标设置" of the standard curve: the amounts and responses the plot spans, typed in.

#include <QDialog>

#include "report/CurvePlot.h"

class QDoubleSpinBox;

namespace lx {

class CurveRangeDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the range the plot shows.
    explicit CurveRangeDialog(const CurveRange& range, QWidget* parent = nullptr);
    // As typed; the window refuses a range whose maximum is not above its minimum.
    CurveRange Range() const;

private:
    QDoubleSpinBox* m_XMin;
    QDoubleSpinBox* m_XMax;
    QDoubleSpinBox* m_YMin;
    QDoubleSpinBox* m_YMax;
};

}  // namespace lx
