#include "ui/edit/PeakEditTool.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

#include "peaks/ManualEvents.h"
#include "ui/PlotWidget.h"

namespace lx {

PeakEditTool::PeakEditTool(PlotWidget& plot) : QObject(&plot), m_Plot(plot) {
    plot.installEventFilter(this);
}

void PeakEditTool::SetMode(int mode) {
    Cancel();
    m_Mode = mode;
    m_Plot.setCursor(mode == 0 ? Qt::ArrowCursor : Qt::CrossCursor);
}

bool PeakEditTool::LaysBaseline() const {
    return m_Mode >= kEventObliqueCut && m_Mode <= kEventForcedBaseline;
}

bool PeakEditTool::LaysLine() const {
    return LaysBaseline() || m_Mode == kMoveOverlay || m_Mode == kDriftCorrection;
}

std::int32_t PeakEditTool::SampleAt(QPoint at) const {
    const CTzLabDoc* doc = m_Plot.Picture().doc;
    const QRect plot = m_Plot.PlotArea();
    if (!doc || doc->m_Samples.empty() || !plot.contains(at))
        return -1;
    const std::int64_t index = m_Plot.Scales().IndexAt(at.x() - plot.left());
    return std::int32_t(std::clamp<std::int64_t>(index, 0, doc->m_Samples.size() - 1));
}

QPoint PeakEditTool::Confined(QPoint at) const {
    const QRect plot = m_Plot.PlotArea();
    return {std::clamp(at.x(), plot.left(), plot.right()),
            std::clamp(at.y(), plot.top(), plot.bottom())};
}

bool PeakEditTool::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            return mouse->button() == Qt::LeftButton && Press(mouse->position().toPoint());
        }
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const std::int32_t sample = SampleAt(mouse->position().toPoint());
            if (m_Mode != 0 || mouse->button() != Qt::LeftButton || sample < 0)
                return false;
            emit PeakDoubleClicked(sample);
            return true;
        }
        case QEvent::MouseMove:
            if (!m_Dragging)
                return false;
            Drag(static_cast<QMouseEvent*>(event)->position().toPoint());
            return false;  // the cursor line and its readout follow too
        case QEvent::MouseButtonRelease:
            if (!m_Dragging || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return false;
            Release(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::KeyPress:
            if (!m_Dragging || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
                return false;
            Cancel();
            return true;
        default:
            return false;
    }
}

bool PeakEditTool::Press(QPoint at) {
    const std::int32_t sample = SampleAt(at);
    if (sample < 0)
        return false;
    const CTzLabDoc& doc = *m_Plot.Picture().doc;
    if (m_Mode == 0) {
        emit PeakClicked(sample);
        return true;
    }
    if (LaysBaseline()) {
        const std::int32_t k = doc.m_SelectedPeak;
        if (k < 0 || k >= std::int32_t(doc.m_Peaks.size()))
            return true;
        m_Anchor = BaselineAnchor(doc.m_Peaks[std::size_t(k)]);
    } else if (m_Mode == kEventAddPeak) {
        m_Anchor = at;
        m_FirstSample = sample;
    } else if (LaysLine()) {
        m_Anchor = at;
    } else {
        emit EditRequested(m_Mode, sample, -1);
        return true;
    }
    m_Dragging = true;
    m_Plot.grabMouse();
    Drag(at);
    return true;
}

// Where the line being laid starts, so it shows the baseline it will make: a rear skim from the
// valley after the selected peak, a front skim from the valley before it, the others from the
// start of its baseline.
QPoint PeakEditTool::BaselineAnchor(const PeakRecord& peak) const {
    const PlotScales scales = m_Plot.Scales();
    const QPoint corner = m_Plot.PlotArea().topLeft();
    if (m_Mode == kEventRearTangent)
        return corner + QPoint(scales.X(peak.m_End), scales.Y(peak.m_EndValue));
    if (m_Mode == kEventFrontTangent)
        return corner + QPoint(scales.X(peak.m_Start), scales.Y(peak.m_StartValue));
    return corner + QPoint(scales.X(peak.m_BaseStart), scales.Y(peak.m_BaseStartValue));
}

void PeakEditTool::Drag(QPoint at) {
    const QPoint inside = Confined(at);
    if (inside != at)
        QCursor::setPos(m_Plot.mapToGlobal(inside));
    PlotWidget::Guide guide;
    guide.kind = LaysLine() ? PlotWidget::Guide::Kind::Line : PlotWidget::Guide::Kind::Span;
    guide.from = m_Anchor;
    // A forced baseline is level with where the selected peak's baseline starts.
    guide.to = m_Mode == kEventForcedBaseline ? QPoint(inside.x(), m_Anchor.y()) : inside;
    m_Plot.SetGuide(guide);
}

void PeakEditTool::Release(QPoint at) {
    const std::int32_t sample = SampleAt(Confined(at));
    const std::int32_t first = m_FirstSample;
    const QPoint corner = m_Plot.PlotArea().topLeft();
    const QPoint from = m_Anchor - corner, to = Confined(at) - corner;
    Cancel();
    if (m_Mode == kMoveOverlay || m_Mode == kDriftCorrection) {
        if (from != to)
            emit LineLaid(m_Mode, from, to);
    } else if (m_Mode == kEventAddPeak) {
        if (sample != first)
            emit EditRequested(m_Mode, std::min(first, sample), std::max(first, sample));
    } else {
        emit EditRequested(m_Mode, sample, -1);
    }
}

void PeakEditTool::Cancel() {
    if (m_Dragging)
        m_Plot.releaseMouse();
    m_Dragging = false;
    m_FirstSample = -1;
    m_Plot.SetGuide({});
}

}  // namespace lx
