#pragma once
// The mouse in the analysis window's plot while the operator corrects the integration. The
// tool turns clicks and drags into plain requests the window carries out (and records):
//
// - no mode: a click selects the peak under the pointer, a double-click opens its details;
// - move start, apex or end, negative peak: a click says where (or which peak);
// - the baselines (oblique, vertical, rear and front tangent, forced): with a peak selected,
//   pressing starts a line from the selected peak (where that baseline starts) that follows
//   the pointer,
//   the pointer cannot leave the plot meanwhile, and releasing lays the baseline up to the
//   sample released on; Escape drops it;
// - adding a peak: a drag marks its span;
// - moving the current overlay and correcting drift: a drag lays a line, from where the
//   overlay is taken to where it goes, or along the drifting baseline.
//
// The requests carry sample indices only, so what the window records is what the replay of the
// saved file will do.

#include <QObject>
#include <QPoint>

#include <cstdint>

#include "core/PeakRecord.h"

namespace lx {

class PlotWidget;

class PeakEditTool : public QObject {
    Q_OBJECT
public:
    // The modes that are no manual event.
    static constexpr int kMoveOverlay = 100;
    static constexpr int kDriftCorrection = 101;

    explicit PeakEditTool(PlotWidget& plot);

    // A manual event type (1 to 9, 12), one of the modes above, or 0 for selecting.
    void SetMode(int mode);
    int Mode() const { return m_Mode; }

signals:
    void PeakClicked(std::int32_t sample);
    void PeakDoubleClicked(std::int32_t sample);
    // An edit of `type` at sample `x`; for adding a peak the span x..spanEnd.
    void EditRequested(int type, std::int32_t x, std::int32_t spanEnd);
    // A line laid in kMoveOverlay or kDriftCorrection, in pixels from the plot area's corner.
    void LineLaid(int mode, QPoint from, QPoint to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(QPoint at);
    void Drag(QPoint at);
    void Release(QPoint at);
    void Cancel();
    // The sample under pixel `at`, within the chromatogram; -1 outside the plot.
    std::int32_t SampleAt(QPoint at) const;
    QPoint Confined(QPoint at) const;
    bool LaysBaseline() const;
    bool LaysLine() const;
    QPoint BaselineAnchor(const PeakRecord& peak) const;

    PlotWidget& m_Plot;
    int m_Mode = 0;
    bool m_Dragging = false;
    QPoint m_Anchor;
    std::int32_t m_FirstSample = -1;
};

}  // namespace lx
