#pragma once
// The chromatogram plot drawn into any QPainter: the analysis view's widget, a QImage for the
// clipboard and the picture files, a QPdfWriter or a printer for the report. One drawing for
// all of them, so what the operator sees is what gets printed; only the screen's decoration
// (grey frame, coloured bands) is left out when printing.

#include <QFont>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Rgb.h"
#include "report/DisplaySettings.h"
#include "report/PlotView.h"

class QPainter;

namespace lx {

// Texts the plot draws.
inline constexpr const char* kTimeAxisTitle = "Min(分钟)";

// A further chromatogram shown under the active one, in its own colour, shifted by its
// staggered-display offsets (pixels, y downwards).
struct PlotOverlay {
    const CTzLabDoc* doc = nullptr;
    Rgb colour{0, 0, 0};
    int offsetX = 0;
    int offsetY = 0;
};

// The plot's text font: Arial 12 px, normal weight, falling back to a font with Chinese
// glyphs for the axis title and component names.
QFont PlotFont();

struct PlotPicture {
    const CTzLabDoc* doc = nullptr;     // the active chromatogram; may be null (an empty plot)
    std::vector<PlotOverlay> overlays;  // drawn first, in order
    PlotView view;
    DisplaySettings settings;
    // For the clipboard, the picture files and print: white paper, a black frame and the signal
    // axis line along the plot's left edge; the screen has grey and coloured decoration instead.
    bool printing = false;
    bool axes = true;  // the report can print the picture without its axes
    // The signal-axis labels' band at the left and the time axis' band below, in the painter's
    // units; 0 for the time band means "as high as the fonts need".
    int signalBand = 55;
    int timeBand = 0;
    // Axis labels, titles and peak labels; the printed report uses its own axis font.
    QFont font = PlotFont();
};

// The text of one peak's label for the ViewMark bits `bits`: "(%d) ", "%1.3f ", "A=%.1f ",
// "H=%.1f ", "C=%.4f " (content above 0 only) and "[%s]" (a named peak only), in that order.
std::string PeakLabelText(const PeakRecord& peak, std::int32_t bits);

// Where the parts of a picture drawn into `rect` go.
struct PlotLayout {
    QRect plot;        // the plot area: trace, baselines, labels
    QRect signalBand;  // left of it
    QRect timeBand;    // below it
};
PlotLayout LayOutPlot(const QRect& rect, const PlotPicture& picture, const QFont& font);

// Draws the picture into `rect` of `painter`.
void PaintPlot(QPainter& painter, const QRect& rect, const PlotPicture& picture);

// The trace's corner points in the plot area's pixels, for samples[begin .. end) (end clipped to
// the count): from `begin` each sample in turn, up to and including the first whose x reaches
// the plot's right edge. The trace pen's 1-pixel aliased polyline through them covers exactly the
// pixels of one line to every sample; a column holding many samples is reduced to its first point,
// its extremes (in the order reached) and last point, whose vertical strokes cover the same span as
// all of its samples'.
// `every` keeps every sample: the plain drawing the reduced one is checked against.
std::vector<QPoint> TracePoints(const SampleArray& samples, std::int64_t begin, std::int64_t end,
                                const PlotScales& scales, bool every = false);

// The trace's pen (1 pixel, solid, aliased) through `points`.
void DrawTracePoints(QPainter& painter, const std::vector<QPoint>& points, Rgb colour);

}  // namespace lx
