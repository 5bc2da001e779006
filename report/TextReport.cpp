#include "report/TextReport.h"

#include <QBuffer>

#include "core/CodePage936.h"
#include "core/FileIo.h"
#include "core/Format.h"
#include "report/ReportLayout.h"
#include "report/ReportTexts.h"
#include "report/RtfText.h"

namespace lx {
namespace {

using texts::Pick;

std::size_t WidthOf(const std::string& text) {
    return EncodeGbk(text).size();
}

// Items padded to `width`, two to a line, with a blank line after each pair.
std::string InPairs(const std::vector<std::string>& items, std::size_t width) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += PadToWidth(items[i], width);
        if (i % 2 == 1)
            text += "\n\n";
    }
    return text;
}

std::string Repeat(const char* piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::vector<std::uint8_t> PngOf(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

}  // namespace

std::string PadToWidth(const std::string& text, std::size_t width) {
    const std::size_t used = WidthOf(text);
    return used >= width ? text : text + std::string(width - used, ' ');
}

std::string InformationSectionText(const CTzLabDoc& doc, const std::string& fileName) {
    return InPairs(InformationItems(doc, fileName, InformationForm::Text), 50);
}

std::string InstrumentSectionText(const CTzLabDoc& doc) {
    const PrintSettings& p = doc.m_PrintSettings;
    const bool gas = p.instrumentType == 1;
    std::vector<std::string> items;
    for (const InstrumentInfoItem& item : gas ? p.gcInfoList : p.lcInfoList)
        if (item.print == 1)
            items.push_back(item.name + " " + item.content);
    return std::string(Pick(texts::kTextInstruments, p.englishReport != 0)) + "\n\n" +
           InPairs(items, gas ? 40 : 30);
}

std::string NoteSectionText(const CTzLabDoc& doc) {
    return std::string(texts::kTextNote) + "\n    " + doc.m_Notes + "\n\n";
}

std::string ResultSectionText(const ResultTable& table, bool english) {
    // Each column as wide as its widest text and two spaces; the trailing column is empty.
    std::vector<std::size_t> widths;
    std::size_t total = 0;
    for (std::size_t c = 0; c < table.headers.size(); ++c) {
        std::size_t w = WidthOf(" " + table.headers[c]);
        for (const ResultTable::Row& row : table.rows)
            w = std::max(w, WidthOf(row.cells[c]));
        widths.push_back(w + 2);
        total += w + 2;
    }
    const std::size_t rule = std::max<std::size_t>(total / 2, 10);  // box rules are two wide
    std::string text = std::string(Pick(texts::kTextResults, english)) + "\n";
    text += Repeat("━", rule) + "\n";
    for (std::size_t c = 0; c < table.headers.size(); ++c)
        text += PadToWidth(" " + table.headers[c], widths[c]);
    text += "\n" + Repeat("─", rule) + "\n";
    for (const ResultTable::Row& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            text += PadToWidth(row.cells[c], widths[c]);
        text += "\n";
    }
    return text + Repeat("─", rule) + "\n" + Repeat("━", rule);
}

std::string TextReportRtf(const TextReportRequest& r) {
    const CTzLabDoc& doc = *r.doc;
    const PrintSettings& p = doc.m_PrintSettings;
    RtfDocument rtf;
    if (p.headerOn)
        rtf.Paragraph(p.headerText, p.headerFont, p.headerColour, p.headerAlign);
    if (p.titleOn)
        rtf.Paragraph(p.titleText, p.titleFont, p.titleColour, p.titleAlign);
    if (p.contentOn)
        rtf.Paragraph(InformationSectionText(doc, r.fileName), p.bodyFont, p.bodyColour, 0);
    if (p.instrumentOn)
        rtf.Paragraph(InstrumentSectionText(doc), p.instrumentFont, p.instrumentColour, 0);
    if (p.noteOn)
        rtf.Paragraph(NoteSectionText(doc), p.bodyFont, p.bodyColour, 0);
    if (p.chromOn && !r.picture.isNull()) {
        constexpr double kTwipsPerCm = 1440 / 2.54;
        rtf.Picture(PngOf(r.picture), r.picture.width(), r.picture.height(),
                    static_cast<int>(p.chromWidthCm * kTwipsPerCm),
                    static_cast<int>(p.chromHeightCm * kTwipsPerCm), p.chromAlign);
    }
    if (p.resultsOn) {
        const TableOptions options = PrintTableOptions(doc, r.viewAllPeaks);
        rtf.Paragraph(ResultSectionText(BuildResultTable(doc.m_Peaks, options), options.english),
                      p.resultsFont, p.resultsColour, 0);
    }
    return rtf.Text();
}

Status WriteTextReport(const TextReportRequest& request, const std::string& path) {
    const std::string rtf = TextReportRtf(request);
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) { ar.WriteBytes(rtf); });
}

}  // namespace lx
