#pragma once
// The analysis window's plot: the chromatogram drawn by the report layer's painter (the same
// drawing as the clipboard picture and the printed report), with the fixed zoom and pan steps,
// the fitted/fixed toggle and a cursor line that follows the mouse. The drawing is cached, so
// moving the mouse over a day-long run costs one image copy, not a redraw of every sample.

#include <QImage>
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
    const PlotPicture& Picture() const { return m_Picture; }
    const PlotView& View() const { return m_Picture.view; }

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
    QImage m_Cache;  // the plot as last drawn; null when it must be drawn again
    int m_CursorX = -1;
};

}  // namespace lx
