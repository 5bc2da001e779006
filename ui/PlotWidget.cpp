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
    const QRect plot = LayOutPlot(rect(), m_Picture, m_Picture.font).plot;
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
    const QRect plot = LayOutPlot(rect(), m_Picture, m_Picture.font).plot;
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
