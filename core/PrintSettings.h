#pragma once
// What an analysis report prints and how: fonts, colours, alignments, switches and the
// instrument information lines. Carried by every chromatogram, channel and method project.

#include <cstdint>
#include <string>
#include <vector>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

// A Windows logical font as the files store it.
struct LogFont {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 1;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName = "宋体";

    static LogFont OfHeight(std::int32_t h) {
        LogFont f;
        f.height = h;
        return f;
    }
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const LogFont&) const = default;
};

struct InstrumentInfoItem {
    std::string name;
    std::string content;
    std::int32_t print = 1;  // 1 print, 0 do not print

    static constexpr std::uint64_t kMinStoredSize = 1 + 1 + 4;
    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const InstrumentInfoItem&) const = default;
};

// Colours are 0x00BBGGRR; alignments 0 left, 1 centre, 2 right; flags 0 or 1.
struct PrintSettings {
    std::int32_t instrumentType = 0;  // 0 liquid, 1 gas chromatograph
    std::vector<InstrumentInfoItem> lcInfoList = DefaultLcInfoList();
    std::vector<InstrumentInfoItem> gcInfoList = DefaultGcInfoList();

    LogFont headerFont = LogFont::OfHeight(-12);
    std::int32_t headerOn = 0;
    std::string headerText;
    std::int32_t headerColour = 0xFF0000;  // blue
    std::int32_t headerAlign = 0;
    LogFont titleFont = LogFont::OfHeight(-16);
    std::int32_t titleOn = 0;
    std::string titleText;
    std::int32_t titleColour = 0x0000FF;  // red
    std::int32_t titleAlign = 1;
    LogFont footerFont = LogFont::OfHeight(-12);
    std::int32_t footerOn = 0;
    std::string footerText;
    std::int32_t footerColour = 0;
    std::int32_t footerAlign = 0;
    LogFont bodyFont = LogFont::OfHeight(-10);
    std::int32_t bodyColour = 0;

    std::int32_t contentOn = 1;
    std::int32_t projectOn = 0;
    std::int32_t sampleOn = 0;
    // Off: both instrument lists already carry a "进 样 量:" line that prints by default, and a
    // second line of the same value in the information block would only repeat it.
    std::int32_t injectOn = 0;
    std::int32_t fileNameOn = 1;
    std::int32_t noteOn = 0;
    std::int32_t operatorOn = 1;
    std::int32_t customOn = 0;
    std::string customLabel;
    std::string customValue;
    std::int32_t detectParamsOn = 1;
    std::int32_t dataSizeOn = 0;
    std::int32_t methodOn = 1;
    std::int32_t dateOn = 1;
    std::int32_t unitOn = 0;
    std::int32_t pageNumbersOn = 0;
    std::int32_t englishReport = 0;
    std::int32_t simpleFormat = 1;

    LogFont instrumentFont = LogFont::OfHeight(-9);
    std::int32_t instrumentColour = 0;
    std::int32_t instrumentOn = 1;

    LogFont resultsFont = LogFont::OfHeight(-8);
    std::int32_t resultsColour = 0;
    std::int32_t resultsOn = 1;
    std::int32_t colPeakNo = 1;
    std::int32_t colAreaHeight = 1;
    std::int32_t colName = 1;
    std::int32_t colTime = 1;
    std::int32_t colArea = 1;
    std::int32_t colContent = 1;
    std::int32_t colResolution = 1;
    std::int32_t colHeight = 1;
    std::int32_t colPlates = 1;
    std::int32_t colTailing = 1;
    std::int32_t colAreaPercent = 1;
    std::int32_t colPeakType = 0;
    float lineSpacing = 0.5f;

    LogFont extraFontA = LogFont::OfHeight(-9);  // carried unchanged, like the other extras
    LogFont extraFontB = LogFont::OfHeight(-9);
    std::int32_t extraColourA = 0;
    std::int32_t extraColourB = 0;
    std::int32_t extraIntA = 0;
    std::int32_t extraIntB = 0;

    LogFont axisFont = LogFont::OfHeight(-8);
    std::int32_t axisColour = 0;
    LogFont markFont = LogFont::OfHeight(-8);
    std::int32_t markColour = 0;
    std::int32_t chromOn = 1;
    std::int32_t axesOn = 1;
    std::int32_t integrationLinesOn = 1;
    std::int32_t extraIntC = 0;
    std::int32_t portrait = 0;
    std::int32_t frameOn = 0;
    float chromWidthCm = 12.0f;
    float chromHeightCm = 8.0f;
    std::int32_t chromAlign = 1;
    std::int32_t verticalMarks = 1;
    std::int32_t printMarks = 0x44;  // labels on, retention time

    static std::vector<InstrumentInfoItem> DefaultLcInfoList();
    static std::vector<InstrumentInfoItem> DefaultGcInfoList();

    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const PrintSettings&) const = default;
};

}  // namespace lx
