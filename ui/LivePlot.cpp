#include "ui/LivePlot.h"

#include <QPainter>

#include <algorithm>

#include "core/Format.h"
#include "ui/UiTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

// The free level axis around a run's first value, uV: room for the baseline's wander below,
// for the first small peaks above.
constexpr std::int32_t kFirstBelow = 1000;
constexpr std::int32_t kFirstAbove = 4000;

}  // namespace

LivePlot::LivePlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
    setAccessibleName(T(ui::kLivePlotName));
}

void LivePlot::SetSource(const CTzLabDoc* method) {
    m_Method = method;
    Reset();
}

void LivePlot::SetSettings(const DisplaySettings& settings) {
    m_Picture.settings = settings;
    m_Cache = QImage();
    update();
}

void LivePlot::Reset() {
    m_Count = 0;
    m_LastValue = 0;
    AxesFromLimits();
    m_Cache = QImage();
    update();
}

// A fixed axis shows the channel's limits. A free time axis shows the run's length, so the
// trace fills the plot as the run goes on; a free level axis starts around the first value
// and widens as the signal needs.
void LivePlot::AxesFromLimits() {
    if (!m_Method)
        return;
    const ChannelSetup& setup = m_Method->m_ChannelSetup;
    const double perMinute = std::max(1, setup.rate) * 60.0;
    PlotView& view = m_Picture.view;
    view.m_TimeMin = setup.fixX ? setup.timeMin / perMinute : 0.0;
    view.m_TimeMax = setup.fixX ? setup.timeMax / perMinute : setup.stopTime;
    view.m_TimeMax = std::max(view.m_TimeMax, view.m_TimeMin + 1.0 / 60);
    view.m_SignalMin = setup.levelMin;
    view.m_SignalMax = std::max(setup.levelMax, setup.levelMin + 1000);
}

bool LivePlot::Follow(std::int32_t index, std::int32_t value) {
    if (!m_Method)
        return false;
    const ChannelSetup& setup = m_Method->m_ChannelSetup;
    PlotView& view = m_Picture.view;
    bool changed = false;
    if (index == 0 && !setup.fixY) {
        view.m_SignalMin = std::max(value - kFirstBelow, -kSignalLimit);
        view.m_SignalMax = std::min(value + kFirstAbove, kSignalLimit);
        changed = true;
    }
    const double minutes = index / (std::max(1, setup.rate) * 60.0);
    if (!setup.fixX && minutes > view.m_TimeMax) {
        // Doubling keeps the number of whole redraws logarithmic in the run's length.
        while (minutes > view.m_TimeMax)
            view.m_TimeMax = view.m_TimeMin + 2 * (view.m_TimeMax - view.m_TimeMin);
        changed = true;
    }
    if (!setup.fixY && (value > view.m_SignalMax || value < view.m_SignalMin)) {
        const std::int64_t span = std::int64_t(view.m_SignalMax) - view.m_SignalMin;
        const std::int64_t margin = std::max<std::int64_t>(span / 4, 1000);
        if (value > view.m_SignalMax)
            view.m_SignalMax =
                std::int32_t(std::min<std::int64_t>(std::int64_t(value) + margin, kSignalLimit));
        if (value < view.m_SignalMin)
            view.m_SignalMin =
                std::int32_t(std::max<std::int64_t>(std::int64_t(value) - margin, -kSignalLimit));
        changed = true;
    }
    return changed;
}

void LivePlot::Apply(PlotCommand command) {
    m_Picture.view.Apply(command);
    m_Cache = QImage();
    update();
}

QRect LivePlot::PlotArea() const {
    return LayOutPlot(rect(), m_Picture, m_Picture.font).plot;
}

void LivePlot::DrawAll() {
    ++m_FullRedraws;
    const qreal ratio = devicePixelRatioF();
    m_Cache = QImage(size() * ratio, QImage::Format_RGB32);
    m_Cache.setDevicePixelRatio(ratio);
    QPainter painter(&m_Cache);
    PaintPlot(painter, rect(), m_Picture);  // background and axes; no document, no trace
    const QRect plot = PlotArea();
    const std::int32_t rate = m_Method ? m_Method->m_ChannelSetup.rate : 20;
    m_Scales = PlotScales(m_Picture.view, rate, plot.width(), plot.height());
    if (!m_Method || m_Count == 0)
        return;
    painter.setClipRect(plot);
    painter.translate(plot.topLeft());
    const std::int64_t first = std::max<std::int64_t>(m_Scales.m_FirstIndex, 0);
    DrawTracePoints(painter, TracePoints(m_Method->m_Samples, first, m_Count, m_Scales),
                    m_Picture.settings.trace);
    m_Last = QPoint(m_Scales.X(m_Count - 1), m_Scales.Y(m_LastValue));
}

void LivePlot::AddPoint(std::int32_t index, std::int32_t value) {
    m_Count = index + 1;
    m_LastValue = value;
    if (Follow(index, value) || m_Cache.isNull()) {
        m_Cache = QImage();
        update();
        return;
    }
    const QRect plot = PlotArea();
    const QPoint next(m_Scales.X(index), m_Scales.Y(value));
    const QPoint from = index == 0 ? next : m_Last;
    if (next != from || index == 0) {
        QPainter painter(&m_Cache);
        painter.setClipRect(plot);
        painter.translate(plot.topLeft());
        DrawTracePoints(painter, {from, next}, m_Picture.settings.trace);
        const QRect touched = QRect(from, next).normalized().adjusted(-1, -1, 1, 1);
        update(touched.translated(plot.topLeft()));
    }
    m_Last = next;
    // The readout of the latest point.
    update(plot.left(), plot.top(), plot.width(), fontMetrics().height() + 8);
}

void LivePlot::paintEvent(QPaintEvent*) {
    if (m_Cache.isNull() || m_Cache.size() != size() * devicePixelRatioF())
        DrawAll();
    QPainter painter(this);
    painter.drawImage(0, 0, m_Cache);
    if (m_Count == 0 || !m_Method)
        return;
    const QRect plot = PlotArea();
    const double minutes = (m_Count - 1) / (std::max(1, m_Method->m_ChannelSetup.rate) * 60.0);
    const QString readout =
        QString::fromStdString(Format(Tr(ui::kLiveReadout), minutes, m_LastValue / 1000.0));
    painter.setPen(Qt::black);
    painter.drawText(plot.adjusted(6, 4, -6, 0), Qt::AlignTop | Qt::AlignRight, readout);
}

void LivePlot::resizeEvent(QResizeEvent*) {
    m_Cache = QImage();
}

}  // namespace lx
