#pragma once
// What an analysis report prints and how: fonts, colours, alignments, switches and the
// instrument information lines. Carried by every chromatogram, channel and method project.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Fields.h"

namespace lx {

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
    // Five integers, eight single bytes, then the face name.
    template <class Self, class Visit>
    static void VisitFields(Self& f, Visit&& visit) {
        visit(Field{"height"}, f.height);
        visit(Field{"width"}, f.width);
        visit(Field{"escapement"}, f.escapement);
        visit(Field{"orientation"}, f.orientation);
        visit(Field{"weight"}, f.weight);
        visit(Field{"italic"}, f.italic);
        visit(Field{"underline"}, f.underline);
        visit(Field{"strikeOut"}, f.strikeOut);
        visit(Field{"charSet"}, f.charSet);
        visit(Field{"outPrecision"}, f.outPrecision);
        visit(Field{"clipPrecision"}, f.clipPrecision);
        visit(Field{"quality"}, f.quality);
        visit(Field{"pitchAndFamily"}, f.pitchAndFamily);
        visit(Field{"faceName"}, f.faceName);
    }
    bool operator==(const LogFont&) const = default;
};

struct InstrumentInfoItem {
    std::string name;
    std::string content;
    std::int32_t print = 1;  // 1 print, 0 do not print

    template <class Self, class Visit>
    static void VisitFields(Self& i, Visit&& visit) {
        visit(Field{"name"}, i.name);
        visit(Field{"content"}, i.content);
        visit(Field{"print"}, i.print);
    }
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

    // The file groups the fields unlike the record does: every font, then the colours and
    // alignments, the switches and texts page by page, and the two instrument lists last.
    template <class Self, class Visit>
    static void VisitFields(Self& s, Visit&& visit) {
        constexpr auto kPlaceholder = FieldRole::Placeholder;
        visit(Field{"instrumentType"}, s.instrumentType);

        visit(Field{"axisFont"}, s.axisFont);
        visit(Field{"headerFont"}, s.headerFont);
        visit(Field{"titleFont"}, s.titleFont);
        visit(Field{"footerFont"}, s.footerFont);
        visit(Field{"bodyFont"}, s.bodyFont);
        visit(Field{"instrumentFont"}, s.instrumentFont);
        visit(Field{"resultsFont"}, s.resultsFont);
        visit(Field{"extraFontA", kPlaceholder}, s.extraFontA);
        visit(Field{"extraFontB", kPlaceholder}, s.extraFontB);
        visit(Field{"markFont"}, s.markFont);

        visit(Field{"markColour"}, s.markColour);
        visit(Field{"headerColour"}, s.headerColour);
        visit(Field{"titleColour"}, s.titleColour);
        visit(Field{"footerColour"}, s.footerColour);
        visit(Field{"titleAlign"}, s.titleAlign);
        visit(Field{"headerAlign"}, s.headerAlign);
        visit(Field{"footerAlign"}, s.footerAlign);
        visit(Field{"bodyColour"}, s.bodyColour);
        visit(Field{"instrumentColour"}, s.instrumentColour);
        visit(Field{"resultsColour"}, s.resultsColour);
        visit(Field{"extraColourA", kPlaceholder}, s.extraColourA);
        visit(Field{"extraColourB", kPlaceholder}, s.extraColourB);
        visit(Field{"axisColour"}, s.axisColour);

        visit(Field{"headerOn"}, s.headerOn);
        visit(Field{"headerText"}, s.headerText);
        visit(Field{"titleOn"}, s.titleOn);
        visit(Field{"titleText"}, s.titleText);
        visit(Field{"footerOn"}, s.footerOn);
        visit(Field{"footerText"}, s.footerText);

        visit(Field{"contentOn"}, s.contentOn);
        visit(Field{"projectOn"}, s.projectOn);
        visit(Field{"sampleOn"}, s.sampleOn);
        visit(Field{"injectOn"}, s.injectOn);
        visit(Field{"fileNameOn"}, s.fileNameOn);
        visit(Field{"noteOn"}, s.noteOn);
        visit(Field{"operatorOn"}, s.operatorOn);
        visit(Field{"customOn"}, s.customOn);
        visit(Field{"customLabel"}, s.customLabel);
        visit(Field{"customValue"}, s.customValue);

        visit(Field{"detectParamsOn"}, s.detectParamsOn);
        visit(Field{"dataSizeOn"}, s.dataSizeOn);
        visit(Field{"methodOn"}, s.methodOn);
        visit(Field{"unitOn"}, s.unitOn);
        visit(Field{"pageNumbersOn"}, s.pageNumbersOn);
        visit(Field{"dateOn"}, s.dateOn);
        visit(Field{"englishReport"}, s.englishReport);

        visit(Field{"instrumentOn"}, s.instrumentOn);
        visit(Field{"chromOn"}, s.chromOn);
        visit(Field{"axesOn"}, s.axesOn);
        visit(Field{"frameOn"}, s.frameOn);
        visit(Field{"lineSpacing"}, s.lineSpacing);
        visit(Field{"integrationLinesOn"}, s.integrationLinesOn);
        visit(Field{"extraIntC", kPlaceholder}, s.extraIntC);
        visit(Field{"portrait"}, s.portrait);
        visit(Field{"chromWidthCm"}, s.chromWidthCm);
        visit(Field{"chromHeightCm"}, s.chromHeightCm);
        visit(Field{"chromAlign"}, s.chromAlign);

        visit(Field{"resultsOn"}, s.resultsOn);
        visit(Field{"colPeakNo"}, s.colPeakNo);
        visit(Field{"colAreaHeight"}, s.colAreaHeight);
        visit(Field{"colName"}, s.colName);
        visit(Field{"colTime"}, s.colTime);
        visit(Field{"colArea"}, s.colArea);
        visit(Field{"colContent"}, s.colContent);
        visit(Field{"colAreaPercent"}, s.colAreaPercent);
        visit(Field{"colPeakType"}, s.colPeakType);
        visit(Field{"colResolution"}, s.colResolution);
        visit(Field{"colHeight"}, s.colHeight);
        visit(Field{"colPlates"}, s.colPlates);
        visit(Field{"colTailing"}, s.colTailing);

        visit(Field{"extraIntA", kPlaceholder}, s.extraIntA);
        visit(Field{"extraIntB", kPlaceholder}, s.extraIntB);
        visit(Field{"verticalMarks"}, s.verticalMarks);
        visit(Field{"printMarks"}, s.printMarks);
        visit(Field{"simpleFormat"}, s.simpleFormat);

        visit(Field{"lcInfoList"}, s.lcInfoList);
        visit(Field{"gcInfoList"}, s.gcInfoList);
    }
    bool operator==(const PrintSettings&) const = default;
};

}  // namespace lx
