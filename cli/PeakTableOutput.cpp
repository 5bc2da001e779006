#include "cli/PeakTableOutput.h"

#include <algorithm>

#include "cli/CliTexts.h"
#include "cli/RecordJson.h"
#include "cli/TextTable.h"
#include "core/Format.h"

namespace lx::cli {

std::string PeakTableText(const std::string& file, const std::vector<PeakRecord>& peaks, bool json,
                          bool quantified, bool raw) {
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const PeakRecord& p : peaks)
            list.push_back(IntegratedPeakJson(p, raw));
        nlohmann::ordered_json tree{{"schema", kJsonSchema}, {"file", file}, {"m_Peaks", list}};
        return tree.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    }
    // Headings right-aligned over the number columns, whatever the language's widths.
    struct Column {
        const Text& heading;
        std::size_t width;
    };
    const Column columns[] = {{texts::kColPeak, 5},        {texts::kColTime, 11},
                              {texts::kColArea, 15},       {texts::kColHeight, 14},
                              {texts::kColAreaPercent, 8}, {texts::kColHalfWidth, 11},
                              {texts::kColTailing, 8},     {texts::kColPlates, 10},
                              {texts::kColResolution, 7},  {texts::kColFlags, 6}};
    std::string out = "== " + file + Format(Tr(texts::kPeakCount), peaks.size()) + "\n";
    for (const Column& c : columns) {
        const std::string heading = Tr(c.heading);
        const std::size_t width = DisplayWidth(heading);
        out += (&c == columns ? "" : " ") +
               std::string(c.width > width ? c.width - width : 0, ' ') + heading;
    }
    if (quantified) {
        const std::string content = Tr(texts::kColContent);
        out += " " + std::string(12 - std::min<std::size_t>(12, DisplayWidth(content)), ' ') +
               content + "  " + Tr(texts::kColComponent);
    }
    out += "\n";
    for (const PeakRecord& p : peaks) {
        out += Format("%5d %11.3f %15.1f %14.1f %8.3f %11.4f %8.3f %10.0f %7.3f %6d", p.m_Number,
                      p.m_ApexTime, p.m_Area, p.m_Height, p.m_AreaPercent, p.m_HalfWidthTime,
                      p.m_Tailing, p.m_Plates, p.m_Resolution, p.m_Flags);
        out += quantified ? Format(" %12.6g  %s\n", p.m_Content, p.m_ComponentName.c_str()) : "\n";
    }
    return out;
}

}  // namespace lx::cli
