#include "interchange/tables/DelimitedTable.h"

namespace lx {
namespace {

std::string CellText(const SummaryCell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell))
        return *text;
    if (const auto* number = std::get_if<double>(&cell))
        return SummaryNumberText(*number);
    if (const auto* time = std::get_if<AcquisitionTime>(&cell))
        return AcquisitionTimeText(*time);
    return {};
}

std::string Field(const std::string& text, char delimiter) {
    if (text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Delimited(const SummaryTable& table, char delimiter, const char* lineEnd) {
    std::string out;
    const auto line = [&](const auto& cells, const auto& textOf) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out += (i ? std::string(1, delimiter) : std::string()) +
                   Field(textOf(cells[i]), delimiter);
        out += lineEnd;
    };
    line(table.m_Headers, [](const std::string& heading) { return heading; });
    for (const auto& row : table.m_Rows)
        line(row, CellText);
    return out;
}

}  // namespace

std::string SummaryCsv(const SummaryTable& table) {
    return "\xEF\xBB\xBF" + Delimited(table, ',', "\r\n");
}

std::string SummaryTsv(const SummaryTable& table) {
    return Delimited(table, '\t', "\n");
}

}  // namespace lx
