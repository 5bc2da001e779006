#pragma once
// The analysis window's plot: the chromatogram drawn by the report layer's painter (the same
// drawing as the clipboard picture and the printed report), with the fixed zoom and pan steps,
// the fitted/fixed toggle and a cursor line that follows the mouse. The drawing is cached, so
// moving the mouse over a day-long run costs one image copy, not a redraw of every sample.

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "report/PlotPainter.h"

namespace lx {

class PlotWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlotWidget(QWidget* parent = nullptr);

    // The chromatogram shown (not owned; may be null) and the settings it is drawn with.
    void SetDocument(const CTzLabDoc* doc);
    void SetSettings(const DisplaySettings& settings);
    // Further chromatograms drawn under it (not owned).
    void SetOverlays(std::vector<PlotOverlay> overlays);
    const PlotPicture& Picture() const { return m_Picture; }
    const PlotView& View() const { return m_Picture.view; }

    // Where the chromatogram is drawn, and its scales there (pixels from the area's corner).
    QRect PlotArea() const;
    PlotScales Scales() const;

    // What the manual integration draws over the plot while the operator marks it: a line
    // (a baseline being laid) or a span (a peak being added), in widget pixels; None hides it.
    struct Guide {
        enum class Kind { None, Line, Span } kind = Kind::None;
        QPoint from;
        QPoint to;
    };
    void SetGuide(const Guide& guide);

    void Apply(PlotCommand command);
    void ToggleFitted();
    void SetCoordinates(double timeMin, double timeMax, double mvMin, double mvMax);
    // The document's samples, peaks or selection changed.
    void Redraw();

    QSize sizeHint() const override { return {900, 480}; }

signals:
    // Where the mouse points: minutes and mV, for the status bar.
    void CursorMoved(double minutes, double millivolts);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Changed();
    void Describe();

    PlotPicture m_Picture;
    void PaintGuide(QPainter& painter) const;

    QImage m_Cache;  // the plot as last drawn; null when it must be drawn again
    int m_CursorX = -1;
    Guide m_Guide;
};

}  // namespace lx
