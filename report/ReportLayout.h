#pragma once
// The analysis report laid out as plain values before anything is painted: which lines go
// where on which page, where the picture sits, which rows of the result table each page
// prints. Text sizes come from a measure, so the layout is tested without fonts or pixels.
//
// Units are the page device's (600 per inch for the PDF); the fixed distances of the layout
// (12 units under an information row, 166 for the picture's time axis) are in those units.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "report/ResultTable.h"

namespace lx {

enum class ReportFont { Header, Title, Footer, Body, Instrument, Results };

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool operator==(const Box&) const = default;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int LineHeight(ReportFont font) const = 0;
    virtual int Width(ReportFont font, const std::string& text) const = 0;
};

struct ReportText {
    Box box;
    ReportFont font = ReportFont::Body;
    std::string text;
    int align = 0;            // 0 left, 1 centre, 2 right
    std::int32_t colour = 0;  // 0x00BBGGRR
    bool band = false;        // on the light grey band of a section heading
};

// The part of the result table a page prints: its column-heading row at `top`, then the rows
// [firstRow, endRow) of the table, one per pitch.
struct TableOnPage {
    int top = 0;
    int firstRow = 0;
    int endRow = 0;
};

struct ReportPage {
    std::vector<ReportText> texts;
    std::optional<Box> picture;
    std::optional<TableOnPage> table;
};

struct ReportLayout {
    ResultTable table;  // print form
    // A row with a caption is a heading across the whole table (the name of each chromatogram
    // in the listing of an overlaid report); its cells are not drawn.
    std::vector<std::string> rowCaptions;
    std::vector<int> columnWidths;  // across the printable width, trailing column left out
    int tableLeft = 0;
    int pitch = 0;  // one table row
    std::int32_t resultsColour = 0;
    std::vector<ReportPage> pages;
};

// A further chromatogram of an overlaid report.
struct ReportOverlay {
    const CTzLabDoc* doc = nullptr;
    std::string fileName;
};

struct ReportRequest {
    const CTzLabDoc* doc = nullptr;
    std::string fileName;  // the chromatogram's title, as the file name line shows it
    // With overlays the report shows them with the chromatogram in one picture and lists the
    // results of each, the chromatogram's first.
    std::vector<ReportOverlay> overlays;
    Box page;
    Box printable;  // the page less its margins
    double unitsPerCm = 600 / 2.54;
    bool viewAllPeaks = false;  // the program's "显示所有峰结果"
};

ReportLayout LayoutReport(const ReportRequest& request, const TextMeasure& measure);

// The printed page's labels, or those of the report window's text.
enum class InformationForm { Printed, Text };

// The lines of the information block, in order, each only when its switch is on.
std::vector<std::string> InformationItems(const CTzLabDoc& doc, const std::string& fileName,
                                          InformationForm form = InformationForm::Printed);
// The heading of chromatogram `k` (0 the report's own) in an overlaid report's listing.
std::string OverlayCaption(int k, const std::string& fileName);

// "分析方法: " with the project's basis and method, or the normalization wording.
std::string MethodLine(const CTzLabDoc& doc, bool english);

}  // namespace lx
