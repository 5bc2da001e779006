#pragma once
// A channel's live plot. Each new value adds one short line to a cached picture and repaints
// only the few pixels it touched, so a day of values at 20 per second costs the same per value
// in its last hour as in its first; the whole history is drawn again only when the axes change
// (the run outgrows them, or a zoom command), which halves in frequency as the run grows.

#include <QImage>
#include <QWidget>

#include "core/CTzLabDoc.h"
#include "report/PlotPainter.h"

namespace lx {

class LivePlot : public QWidget {
    Q_OBJECT
public:
    explicit LivePlot(QWidget* parent = nullptr);

    // The channel's recording and its axis limits (not owned).
    void SetSource(const CTzLabDoc* method);
    // A new run: axes from the channel's limits, no trace.
    void Reset();
    // The value recorded as sample `index`.
    void AddPoint(std::int32_t index, std::int32_t value);
    // The zoom and pan commands, as on the analysis plot.
    void Apply(PlotCommand command);
    void SetSettings(const DisplaySettings& settings);

    const PlotView& View() const { return m_Picture.view; }
    std::int32_t PointCount() const { return m_Count; }
    // Whole redraws so far: the test of "incremental" and the benchmark's figure.
    int FullRedraws() const { return m_FullRedraws; }

    QSize sizeHint() const override { return {800, 400}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void AxesFromLimits();
    // Grows the axes so `index` and `value` are in view; true when they changed.
    bool Follow(std::int32_t index, std::int32_t value);
    void DrawAll();
    QRect PlotArea() const;

    const CTzLabDoc* m_Method = nullptr;
    PlotPicture m_Picture;  // axes only: the trace is ours
    QImage m_Cache;
    PlotScales m_Scales;
    std::int32_t m_Count = 0;
    QPoint m_Last;
    std::int32_t m_LastValue = 0;
    int m_FullRedraws = 0;
};

}  // namespace lx
