#pragma once
// The analysis report as the report window takes it ("输出分析报告") and keeps it in a .Tze
// file: the sections the print settings switch on, each in its font, colour and alignment, as
// rich text with the chromatogram picture embedded.

#include <QImage>

#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"
#include "report/ResultTable.h"

namespace lx {

// The text forms of the sections; "\n" breaks lines.
std::string InformationSectionText(const CTzLabDoc& doc, const std::string& fileName);
std::string InstrumentSectionText(const CTzLabDoc& doc);
std::string NoteSectionText(const CTzLabDoc& doc);
std::string ResultSectionText(const ResultTable& table, bool english);

// `text` padded with spaces to `width` bytes of its code page 936 form, as "%-Ns" pads there
// (a Chinese character takes two).
std::string PadToWidth(const std::string& text, std::size_t width);

struct TextReportRequest {
    const CTzLabDoc* doc = nullptr;
    std::string fileName;
    bool viewAllPeaks = false;
    QImage picture;  // the chromatogram picture; a null image leaves it out
};

// The whole report as an RTF document.
std::string TextReportRtf(const TextReportRequest& request);

// Written through a temporary file and renamed.
Status WriteTextReport(const TextReportRequest& request, const std::string& path);

}  // namespace lx
