#include "report/ReportLayout.h"

#include <algorithm>
#include <ctime>

#include "core/Format.h"
#include "quant/CPrjDoc.h"
#include "report/ReportTexts.h"

namespace lx {
namespace {

using texts::Pick;

const CPrjDoc* ProjectOf(const CTzLabDoc& doc) {
    return dynamic_cast<const CPrjDoc*>(doc.m_Project);
}

std::string AcquiredAt(const CTzLabDoc& doc) {
    const std::time_t t = doc.m_CreatedAt;
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y.%m.%d %H:%M", &local);
    return text;
}

// The lines of one kind the report can hold, formatted as it prints them.
struct Lines {
    const CTzLabDoc& doc;
    const std::string& fileName;
    bool english;
    InformationForm form = InformationForm::Printed;

    std::string FileName() const {
        const Text& label =
            form == InformationForm::Text ? texts::kTextFileName : texts::kReportFileName;
        return Format(Pick(label, english), fileName.c_str());
    }
    std::string Acquired() const {
        return Format(Pick(texts::kReportAcquired, english), AcquiredAt(doc).c_str());
    }
    std::string DataSize() const {
        return Format(Pick(texts::kReportDataSize, english),
                      doc.SpanToMinutes(static_cast<double>(doc.m_Samples.size())));
    }
    std::string Sample() const {
        return Format(Pick(texts::kReportSample, english), doc.m_SampleName.c_str());
    }
    std::string Inject() const {
        const Text& label =
            form == InformationForm::Text ? texts::kTextInject : texts::kReportInject;
        return Format(Pick(label, english), doc.m_InjectVolume.c_str());
    }
    std::string Operator() const {
        return Format(Pick(texts::kReportOperator, english), doc.m_Operator.c_str());
    }
    std::string Project() const {
        const CPrjDoc* project = ProjectOf(doc);
        return Format(Pick(texts::kReportProject, english),
                      project ? project->m_MethodName.c_str() : "");
    }
    std::string HalfWidth() const {
        return Format(Pick(texts::kReportHalfWidth, english), doc.m_Params.m_HalfWidth);
    }
    std::string Slope() const {
        return Format(Pick(texts::kReportSlope, english), doc.m_Params.m_Slope);
    }
    std::string Laboratory() const {
        return Format(Pick(texts::kReportLaboratory, english), doc.m_Laboratory.c_str());
    }
};

// Lays out one page from the top down.
class PageBuilder {
public:
    PageBuilder(const ReportRequest& r, const TextMeasure& m) : m_Request(r), m_Measure(m) {
        m_Y = r.printable.y;
    }

    int Y() const { return m_Y; }
    void Skip(int height) { m_Y += height; }

    void Line(ReportFont font, std::string text, int align, std::int32_t colour,
              bool band = false) {
        const int h = m_Measure.LineHeight(font);
        page.texts.push_back({{m_Request.printable.x, m_Y, m_Request.printable.width, h},
                              font,
                              std::move(text),
                              align,
                              colour,
                              band});
        m_Y += h;
    }

    // Items in two columns of half the width, left then right.
    void TwoColumns(const std::vector<std::string>& items, ReportFont font, std::int32_t colour) {
        const int rowHeight = m_Measure.LineHeight(font) + 12;
        const int half = m_Request.printable.width / 2;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const int column = static_cast<int>(i % 2);
            page.texts.push_back({{m_Request.printable.x + column * half, m_Y, half, rowHeight},
                                  font,
                                  items[i],
                                  0,
                                  colour});
            if (column == 1 || i + 1 == items.size())
                m_Y += rowHeight;
        }
    }

    // Text broken into lines that fit the printable width (Chinese has no spaces to break at,
    // so lines break between characters).
    void Wrapped(ReportFont font, const std::string& text, std::int32_t colour) {
        std::string line;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = 1;
            const auto lead = static_cast<unsigned char>(text[i]);
            if (lead >= 0xF0)
                n = 4;
            else if (lead >= 0xE0)
                n = 3;
            else if (lead >= 0xC0)
                n = 2;
            const std::string ch = text.substr(i, n);
            i += n;
            if (ch == "\n" ||
                (!line.empty() && m_Measure.Width(font, line + ch) > m_Request.printable.width)) {
                Line(font, line, 0, colour);
                line = ch == "\n" ? "" : ch;
                continue;
            }
            line += ch;
        }
        if (!line.empty())
            Line(font, line, 0, colour);
    }

    void Picture(const PrintSettings& print) {
        const int w = static_cast<int>(print.chromWidthCm * m_Request.unitsPerCm);
        const int h = static_cast<int>(print.chromHeightCm * m_Request.unitsPerCm);
        const Box& p = m_Request.printable;
        const int x = print.chromAlign == 0   ? p.x
                      : print.chromAlign == 2 ? p.Right() - w
                                              : p.x + (p.width - w) / 2;
        page.picture = Box{x, m_Y, w, h};
        m_Y += h + h / 20;
    }

    ReportPage page;

private:
    const ReportRequest& m_Request;
    const TextMeasure& m_Measure;
    int m_Y;
};

std::vector<int> ColumnWidths(const ResultTable& table, const TextMeasure& measure, int width) {
    // The list sizes each column to its widest text (at least 10); the page shares its width
    // in those proportions.
    std::vector<int> listWidths;
    const std::size_t columns = table.columns.empty() ? 0 : table.columns.size() - 1;
    long total = 0;
    for (std::size_t c = 0; c < columns; ++c) {
        int w = std::max(10, measure.Width(ReportFont::Results, table.headers[c]));
        for (const ResultTable::Row& row : table.rows)
            w = std::max(w, measure.Width(ReportFont::Results, row.cells[c]));
        listWidths.push_back(w);
        total += w;
    }
    std::vector<int> widths;
    for (int w : listWidths)
        widths.push_back(static_cast<int>(static_cast<long>(width) * w / total));
    return widths;
}

// The listing of an overlaid report: each chromatogram's rows under a caption, in the columns
// of the report's own chromatogram.
void ListOverlays(const ReportRequest& r, ReportLayout& layout) {
    const TableOptions options = PrintTableOptions(*r.doc, r.viewAllPeaks);
    std::vector<ReportOverlay> all{{r.doc, r.fileName}};
    all.insert(all.end(), r.overlays.begin(), r.overlays.end());
    const ResultTable first = BuildResultTable({}, options);
    layout.table.columns = first.columns;
    layout.table.headers = first.headers;
    for (std::size_t k = 0; k < all.size(); ++k) {
        layout.table.rows.push_back({-1, std::vector<std::string>(first.columns.size())});
        layout.rowCaptions.push_back(OverlayCaption(static_cast<int>(k), all[k].fileName));
        for (ResultTable::Row& row : BuildResultTable(all[k].doc->m_Peaks, options).rows) {
            layout.table.rows.push_back(std::move(row));
            layout.rowCaptions.emplace_back();
        }
    }
}

}  // namespace

std::string OverlayCaption(int k, const std::string& fileName) {
    return Format("通道 %d : %s", k + 1, fileName.c_str());
}

std::string MethodLine(const CTzLabDoc& doc, bool english) {
    std::string line = Pick(texts::kReportMethod, english);
    const CPrjDoc* project = ProjectOf(doc);
    if (!project)
        return line + Pick(texts::kReportNormalization, english);
    line +=
        Pick(project->m_Basis == kHeightBasis ? texts::kReportHeightBasis : texts::kReportAreaBasis,
             english);
    switch (project->m_Method) {
        case 1:
            return line + Pick(texts::kReportInternalStandard, english);
        case 2:
            return line + Pick(texts::kReportExternalStandard, english);
        case 3:
            return line + Pick(texts::kReportIndex, english);
        case 4:
            return line + Pick(texts::kReportCalibratedNormalization, english);
        default:
            return line + Pick(texts::kReportNormalization, english);
    }
}

std::vector<std::string> InformationItems(const CTzLabDoc& doc, const std::string& fileName,
                                          InformationForm form) {
    const PrintSettings& p = doc.m_PrintSettings;
    const bool english = p.englishReport != 0;
    const Lines lines{doc, fileName, english, form};
    std::vector<std::string> items;
    if (p.fileNameOn)
        items.push_back(lines.FileName());
    if (p.dateOn)
        items.push_back(lines.Acquired());
    if (p.dataSizeOn)
        items.push_back(lines.DataSize());
    if (p.sampleOn)
        items.push_back(lines.Sample());
    if (p.injectOn)
        items.push_back(lines.Inject());
    if (p.operatorOn)
        items.push_back(lines.Operator());
    if (p.projectOn && ProjectOf(doc))
        items.push_back(lines.Project());
    if (p.methodOn)
        items.push_back(MethodLine(doc, english));
    if (p.detectParamsOn) {
        items.push_back(lines.HalfWidth());
        items.push_back(lines.Slope());
    }
    if (p.customOn)
        items.push_back(p.customLabel + ": " + p.customValue);
    if (p.unitOn)
        items.push_back(lines.Laboratory());
    return items;
}

ReportLayout LayoutReport(const ReportRequest& r, const TextMeasure& measure) {
    const CTzLabDoc& doc = *r.doc;
    const PrintSettings& p = doc.m_PrintSettings;
    const bool english = p.englishReport != 0;
    // The simple format is for one chromatogram; an overlaid report has its own page 1.
    const bool simple = p.simpleFormat != 0 && r.overlays.empty();
    const Lines lines{doc, r.fileName, english};

    const bool overlaid = !r.overlays.empty();
    ReportLayout layout;
    if (overlaid) {
        ListOverlays(r, layout);
    } else {
        layout.table = BuildResultTable(doc.m_Peaks, PrintTableOptions(doc, r.viewAllPeaks));
        layout.rowCaptions.resize(layout.table.rows.size());
    }
    layout.columnWidths = ColumnWidths(layout.table, measure, r.printable.width);
    layout.tableLeft = r.printable.x;
    layout.pitch = std::max(
        1, static_cast<int>((p.lineSpacing + 1.0f) * measure.LineHeight(ReportFont::Results)));
    layout.resultsColour = p.resultsColour;

    // What tops every page: the page header (or a blank line of its height) and, in the simple
    // format, the compact heading.
    auto pageTop = [&](PageBuilder& b) {
        if (p.headerOn)
            b.Line(ReportFont::Header, p.headerText, p.headerAlign, p.headerColour);
        else
            b.Skip(measure.LineHeight(ReportFont::Header));
        if (!simple)
            return;
        if (p.titleOn)
            b.Line(ReportFont::Title, p.titleText, p.titleAlign, p.titleColour);
        std::vector<std::string> heading{lines.Operator()};
        if (ProjectOf(doc))
            heading.push_back(lines.Project());
        b.TwoColumns(heading, ReportFont::Body, p.bodyColour);
    };

    PageBuilder first(r, measure);
    pageTop(first);
    if (simple) {
        first.Line(ReportFont::Body, Pick(texts::kReportSampleBlock, english), 1, p.bodyColour,
                   true);
        first.TwoColumns({lines.Sample(), lines.Operator(), lines.Inject(), lines.FileName(),
                          lines.Acquired(), MethodLine(doc, english), lines.DataSize(),
                          lines.HalfWidth(), lines.Slope(), lines.Laboratory()},
                         ReportFont::Body, p.bodyColour);
    } else {
        if (p.titleOn)
            first.Line(ReportFont::Title, p.titleText, p.titleAlign, p.titleColour);
        if (p.contentOn && !overlaid)
            first.TwoColumns(InformationItems(doc, r.fileName), ReportFont::Body, p.bodyColour);
        if (p.instrumentOn) {
            // The printed report names the sample in the heading.
            first.Line(ReportFont::Instrument,
                       Format(Pick(texts::kReportInstruments, english), doc.m_SampleName.c_str()),
                       0, p.instrumentColour);
            const auto& items = p.instrumentType == 1 ? p.gcInfoList : p.lcInfoList;
            for (const InstrumentInfoItem& item : items)
                if (item.print == 1)
                    first.Line(ReportFont::Instrument, item.name + " " + item.content, 0,
                               p.instrumentColour);
        }
        if (p.noteOn) {
            first.Line(ReportFont::Body, Pick(texts::kReportNote, english), 0, p.bodyColour);
            first.Wrapped(ReportFont::Body, "    " + doc.m_Notes, p.bodyColour);
        }
    }
    if (p.chromOn)
        first.Picture(p);

    std::vector<PageBuilder> pages{first};
    if (p.resultsOn) {
        const int rows = static_cast<int>(layout.table.rows.size());
        PageBuilder& one = pages.front();
        one.Line(ReportFont::Results, Pick(texts::kReportResults, english), 1, p.resultsColour,
                 true);
        // Every page prints the column headings first; the rows fill what is left.
        auto capacity = [&](int top) {
            return std::max(0, (r.printable.Bottom() - top) / layout.pitch - 1);
        };
        int next = std::min(rows, capacity(one.Y()));
        one.page.table = TableOnPage{one.Y(), 0, next};
        while (next < rows) {
            PageBuilder more(r, measure);
            pageTop(more);
            const int end = std::min(rows, next + std::max(1, capacity(more.Y())));
            more.page.table = TableOnPage{more.Y(), next, end};
            next = end;
            pages.push_back(std::move(more));
        }
    }

    // Footers last, once the page count is known.
    const int count = static_cast<int>(pages.size());
    const int footerHeight = measure.LineHeight(ReportFont::Footer);
    const Box band{
        r.printable.x,
        r.printable.Bottom() + (r.page.Bottom() - r.printable.Bottom() - footerHeight) / 2,
        r.printable.width, footerHeight};
    for (int k = 0; k < count; ++k) {
        ReportPage page = std::move(pages[static_cast<std::size_t>(k)].page);
        if (p.footerOn)
            page.texts.push_back(
                {band, ReportFont::Footer, p.footerText, p.footerAlign, p.footerColour});
        if (p.pageNumbersOn) {
            const int align = !p.footerOn ? 1 : p.footerAlign == 2 ? 0 : 2;
            page.texts.push_back(
                {band, ReportFont::Footer, Format("%d/%d", k + 1, count), align, p.footerColour});
        }
        layout.pages.push_back(std::move(page));
    }
    return layout;
}

}  // namespace lx
