#pragma once
// The small dialogs of the analysis window's plot: "坐标设置" (the axis ranges typed in) and
// "峰检测" (integrate again with another slope and half width).

#include <QDialog>

#include "core/CTzLabDoc.h"
#include "report/PlotView.h"

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace lx {

class CoordinateDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the view's ranges: minutes, and whole mV as the view shows them.
    CoordinateDialog(const PlotView& view, QWidget* parent = nullptr);
    double TimeMin() const;
    double TimeMax() const;
    double MvMin() const;
    double MvMax() const;

private:
    QDoubleSpinBox* m_TimeMin;
    QDoubleSpinBox* m_TimeMax;
    QDoubleSpinBox* m_MvMin;
    QDoubleSpinBox* m_MvMax;
};

class PeakDetectDialog : public QDialog {
    Q_OBJECT
public:
    PeakDetectDialog(const CTzLabDoc& doc, QWidget* parent = nullptr);
    // The four values back into the chromatogram; the caller integrates it again.
    void Store(CTzLabDoc& doc) const;

private:
    QSpinBox* m_HalfWidth;
    QDoubleSpinBox* m_Slope;
    QCheckBox* m_UseManualEvents;
    QCheckBox* m_UseTimeProgram;
};

}  // namespace lx
