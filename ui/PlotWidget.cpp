#include "ui/PlotWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/Format.h"
#include "ui/UiTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(T(ui::kPlotName));
    Describe();
}

void PlotWidget::SetDocument(const CTzLabDoc* doc) {
    m_Picture.doc = doc;
    if (doc)
        m_Picture.view.ShowFitted(*doc);
    Changed();
}

void PlotWidget::SetSettings(const DisplaySettings& settings) {
    m_Picture.settings = settings;
    Changed();
}

void PlotWidget::SetOverlays(std::vector<PlotOverlay> overlays) {
    m_Picture.overlays = std::move(overlays);
    Changed();
}

void PlotWidget::Apply(PlotCommand command) {
    m_Picture.view.Apply(command);
    Changed();
}

void PlotWidget::ToggleFitted() {
    if (!m_Picture.doc)
        return;
    m_Picture.view.ToggleFitted(*m_Picture.doc);
    Changed();
}

void PlotWidget::SetCoordinates(double timeMin, double timeMax, double mvMin, double mvMax) {
    m_Picture.view.SetCoordinates(timeMin, timeMax, mvMin, mvMax);
    Changed();
}

QRect PlotWidget::PlotArea() const {
    return LayOutPlot(rect(), m_Picture, m_Picture.font).plot;
}

PlotScales PlotWidget::Scales() const {
    const QRect plot = PlotArea();
    const std::int32_t rate = m_Picture.doc ? m_Picture.doc->m_ChannelSetup.rate : 20;
    return PlotScales(m_Picture.view, rate, plot.width(), plot.height());
}

void PlotWidget::SetGuide(const Guide& guide) {
    m_Guide = guide;
    update();
}

void PlotWidget::PaintGuide(QPainter& painter) const {
    const QRect plot = PlotArea();
    painter.save();
    painter.setClipRect(plot);
    if (m_Guide.kind == Guide::Kind::Line) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(Qt::red), 1.5, Qt::DashLine));
        painter.drawLine(m_Guide.from, m_Guide.to);
    } else if (m_Guide.kind == Guide::Kind::Span) {
        const QRect span(QPoint(std::min(m_Guide.from.x(), m_Guide.to.x()), plot.top()),
                         QPoint(std::max(m_Guide.from.x(), m_Guide.to.x()), plot.bottom()));
        painter.fillRect(span, QColor(0, 120, 215, 50));
        painter.setPen(QColor(0, 120, 215));
        painter.drawLine(span.topLeft(), span.bottomLeft());
        painter.drawLine(span.topRight(), span.bottomRight());
    }
    painter.restore();
}

void PlotWidget::Redraw() {
    Changed();
}

void PlotWidget::Changed() {
    m_Cache = QImage();
    Describe();
    update();
}

// A screen reader cannot see the trace: it hears which run is shown, over which ranges, and
// how many peaks were found.
void PlotWidget::Describe() {
    const PlotView& v = m_Picture.view;
    const CTzLabDoc* doc = m_Picture.doc;
    const std::string text =
        doc ? Format(Tr(ui::kPlotDescription), doc->m_PathName.c_str(), v.m_TimeMin, v.m_TimeMax,
                     v.m_SignalMin / 1000.0, v.m_SignalMax / 1000.0, doc->m_Peaks.size())
            : std::string(Tr(ui::kPlotEmpty));
    setAccessibleDescription(QString::fromStdString(text));
}

void PlotWidget::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_Cache.isNull() || m_Cache.size() != size() * ratio) {
        m_Cache = QImage(size() * ratio, QImage::Format_RGB32);
        m_Cache.setDevicePixelRatio(ratio);
        QPainter cachePainter(&m_Cache);
        PaintPlot(cachePainter, rect(), m_Picture);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_Cache);
    if (m_Guide.kind != Guide::Kind::None)
        PaintGuide(painter);
    const QRect plot = PlotArea();
    if (m_CursorX >= plot.left() && m_CursorX <= plot.right()) {
        // Inverted, so the line shows on any background and trace colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QColor(Qt::white));
        painter.drawLine(m_CursorX, plot.top(), m_CursorX, plot.bottom());
    }
}

void PlotWidget::resizeEvent(QResizeEvent*) {
    m_Cache = QImage();
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
    const int oldX = m_CursorX;
    m_CursorX = event->position().toPoint().x();
    const QRect plot = PlotArea();
    update(QRect(oldX, plot.top(), 1, plot.height()));
    update(QRect(m_CursorX, plot.top(), 1, plot.height()));
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const PlotView& v = m_Picture.view;
    const QPoint at = event->position().toPoint() - plot.topLeft();
    const double minutes = v.m_TimeMin + (v.m_TimeMax - v.m_TimeMin) * at.x() / plot.width();
    const double microvolts =
        v.m_SignalMax - double(v.m_SignalMax - v.m_SignalMin) * at.y() / plot.height();
    emit CursorMoved(minutes, microvolts / 1000.0);
}

void PlotWidget::leaveEvent(QEvent*) {
    m_CursorX = -1;
    update();
}

}  // namespace lx
