#pragma once
// The standard curve picture drawn into any QPainter: the curve window's widget, a QImage for
// the clipboard, a printer or a PDF page for its report. One drawing for all of them, so what
// the operator sees is what gets printed.
//
// The picture is laid out in pixels of a 96-dpi screen; the report scales the painter to its
// device, so fonts, pens and bands keep their sizes on paper.

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <array>

#include "core/Rgb.h"
#include "quant/CPrjDoc.h"
#include "report/CurvePlot.h"

class QPainter;

namespace lx {

// The curves' colours; component row r draws in entry StandardCurveColourIndex(r). Dark,
// saturated colours that stand out on white paper and from each other.
inline constexpr std::array<Rgb, 20> kCurveColours{{
    {0, 0, 255},   {255, 0, 0},   {0, 128, 0},    {128, 0, 128}, {0, 128, 128},
    {128, 64, 0},  {255, 0, 255}, {0, 0, 128},    {128, 0, 0},   {0, 160, 255},
    {255, 128, 0}, {64, 128, 0},  {160, 0, 255},  {0, 96, 192},  {192, 0, 96},
    {96, 96, 0},   {0, 192, 96},  {255, 64, 128}, {64, 64, 64},  {96, 0, 192},
}};

// The markers of the calibration repeats; component row r uses StandardCurveMarkerShape(r).
// Every shape covers its centre, so a marker is found at its point whatever its shape.
enum class MarkerShape {
    Square,
    Circle,
    TriangleUp,
    Diamond,
    TriangleDown,
    Cross,      // x
    Plus,       // +
    Asterisk,   // x and +
    Hourglass,  // two triangles point to point
    Hexagon,
};

// Axis tick labels and titles: Arial 13 px, with a CJK family for the Chinese titles.
QFont CurveFont();

struct CurvePicture {
    const CPrjDoc* project = nullptr;  // may be null: an empty frame
    int row = -1;                      // the component
    CurveRange range;
    QFont font = CurveFont();
};

// Where the parts of a picture drawn into `rect` go.
struct CurveLayout {
    QRect title;  // "标 准 曲 线" across the top
    QRect plot;   // the curve and its markers, framed
    QRect xBand;  // below the plot: amount labels and "(含量)"
    QRect yBand;  // left of the plot: response labels and "(面积)" / "(高度)"
};
CurveLayout LayOutCurve(const QRect& rect, const QFont& font);

// A point in amount and response units on the plot area `plot` of `range`. A range that is not
// drawable maps everything to the plot's bottom left corner.
QPointF MapCurvePoint(const CurvePoint& p, const CurveRange& range, const QRect& plot);

// Draws `shape` centred on `centre`, `size` pixels across, in the painter's pen and brush.
void DrawMarker(QPainter& painter, QPointF centre, MarkerShape shape, double size);

// Draws the picture into `rect` of `painter` on white.
void PaintCurve(QPainter& painter, const QRect& rect, const CurvePicture& picture);

// The picture in a white image of `size` pixels, as the clipboard takes it; a size without
// area gives a null image.
QImage RenderCurveImage(const CurvePicture& picture, QSize size);

}  // namespace lx
