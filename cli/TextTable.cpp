#include "cli/TextTable.h"

#include <algorithm>

namespace lx::cli {
namespace {

// The wide ranges a chromatography table meets: CJK, full-width forms, Hangul and kana.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t DisplayWidth(const std::string& utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        width += IsWide(c) ? 2 : 1;
        i += length;
    }
    return width;
}

std::string TextTable(const std::vector<std::string>& headers,
                      const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    auto measure = [&](const std::vector<std::string>& cells) {
        widths.resize(std::max(widths.size(), cells.size()), 0);
        for (std::size_t k = 0; k < cells.size(); ++k)
            widths[k] = std::max(widths[k], DisplayWidth(cells[k]));
    };
    measure(headers);
    for (const auto& row : rows)
        measure(row);
    std::string out;
    auto append = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t k = 0; k < cells.size(); ++k) {
            line += cells[k];
            if (k + 1 < cells.size())
                line += std::string(widths[k] - DisplayWidth(cells[k]) + 2, ' ');
        }
        out += line + "\n";
    };
    append(headers);
    for (const auto& row : rows)
        append(row);
    return out;
}

}  // namespace lx::cli
