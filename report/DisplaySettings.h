#pragma once
// What the analysis window's plot and result table read from the program's settings: colours,
// peak labels, baselines, the row filter and the screen columns. Every field has the default
// of a fresh installation; the desktop stores them.

#include <cstdint>

#include "core/Rgb.h"

namespace lx {

// A colour as the settings store it: 0x00BBGGRR.
constexpr Rgb FromColorRef(std::uint32_t colorRef) {
    return {static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
            static_cast<int>((colorRef >> 16) & 0xFF)};
}

// Which columns a result table has, in their order.
struct ColumnSwitches {
    bool number = true;      // "m_PrintNO"
    bool name = true;        // "m_PrintIDName"
    bool time = true;        // "m_PrintIDTime"
    bool area = true;        // "m_PrintArea"
    bool height = true;      // "m_PrintHigh"
    bool areaHeight = true;  // "m_PrintAreaHigh"
    bool percent = true;     // "m_PkPerCon"
    bool resolution = true;  // "m_PrintFLD"
    bool tailing = true;     // "m_PrintTW"
    bool plates = true;      // "m_PrintLRTB"
    bool content = true;     // "m_PrintCon"
    bool operator==(const ColumnSwitches&) const = default;
};

// Bits of "ViewMark".
enum PeakLabelBits : std::int32_t {
    kLabelNumber = 0x01,
    kLabelName = 0x02,
    kLabelTime = 0x04,
    kLabelContent = 0x08,
    kLabelArea = 0x10,
    kLabelHeight = 0x20,
    kLabelsOn = 0x40,
};

struct DisplaySettings {
    Rgb background = FromColorRef(0xF0FBFF);         // "BkgndRGB"
    Rgb frameBand = FromColorRef(0xC0C0C0);          // "FramegndRGB"
    Rgb trace = FromColorRef(0x0000FF);              // "PicLineRGB"
    Rgb baseline = FromColorRef(0xFF0000);           // "BaseLineRGB"
    Rgb selectedPeak = FromColorRef(0x00FF00);       // "PkSelRGB"
    Rgb labels = FromColorRef(0x000000);             // "TextRGB"
    std::int32_t viewMark = kLabelsOn | kLabelTime;  // "ViewMark" 68
    bool verticalLabels = false;                     // "DiapH"
    bool showBaselines = true;                       // "viewbaseline"
    bool viewAllPeaks = false;                       // "ViewAllPeak"
    ColumnSwitches screenColumns;
    bool operator==(const DisplaySettings&) const = default;
};

}  // namespace lx
