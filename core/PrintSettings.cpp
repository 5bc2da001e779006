#include "core/PrintSettings.h"

#include "core/Archive.h"
#include "core/ArchiveLists.h"

namespace lx {
namespace {

std::vector<InstrumentInfoItem> Lines(std::initializer_list<const char*> names) {
    std::vector<InstrumentInfoItem> items;
    for (const char* name : names)
        items.push_back({name, "", 1});
    return items;
}

}  // namespace

void InstrumentInfoItem::Store(ArchiveWriter& ar) const {
    ar.WriteString(name);
    ar.WriteString(content);
    ar.WriteI32(print);
}

void InstrumentInfoItem::Load(ArchiveReader& ar) {
    name = ar.ReadString();
    content = ar.ReadString();
    print = ar.ReadI32();
}

std::vector<InstrumentInfoItem> PrintSettings::DefaultLcInfoList() {
    auto items = Lines({"仪器型号:", "仪器编号:", "检测器类型:", "检测波长(nm):", "流 动 相:",
                        "溶    剂:", "柱 型 号:", "柱 温(℃):", "进 样 量:", "流量(ml/min):"});
    items[2].content = "紫 外";
    return items;
}

std::vector<InstrumentInfoItem> PrintSettings::DefaultGcInfoList() {
    return Lines({"仪器型号:", "仪器编号:", "检测器类型:", "进样器类型:", "柱 类 型:", "柱 规 格:",
                  "柱    长:", "柱    温:", "载气类型:", "载气流量(ml/min):", "进 样 量:"});
}

void LogFont::Store(ArchiveWriter& ar) const {
    ar.WriteI32(height);
    ar.WriteI32(width);
    ar.WriteI32(escapement);
    ar.WriteI32(orientation);
    ar.WriteI32(weight);
    for (std::uint8_t b : {italic, underline, strikeOut, charSet, outPrecision, clipPrecision,
                           quality, pitchAndFamily})
        ar.WriteU8(b);
    ar.WriteString(faceName);
}

void LogFont::Load(ArchiveReader& ar) {
    height = ar.ReadI32();
    width = ar.ReadI32();
    escapement = ar.ReadI32();
    orientation = ar.ReadI32();
    weight = ar.ReadI32();
    for (std::uint8_t* b : {&italic, &underline, &strikeOut, &charSet, &outPrecision,
                            &clipPrecision, &quality, &pitchAndFamily})
        *b = ar.ReadU8();
    faceName = ar.ReadString();
}

// Store and Load walk the file's order, which groups fields unlike the record does.
void PrintSettings::Store(ArchiveWriter& ar) const {
    ar.WriteI32(instrumentType);
    for (const LogFont* f : {&axisFont, &headerFont, &titleFont, &footerFont, &bodyFont,
                             &instrumentFont, &resultsFont, &extraFontA, &extraFontB, &markFont})
        f->Store(ar);
    for (std::int32_t v :
         {markColour, headerColour, titleColour, footerColour, titleAlign, headerAlign, footerAlign,
          bodyColour, instrumentColour, resultsColour, extraColourA, extraColourB, axisColour})
        ar.WriteI32(v);
    ar.WriteI32(headerOn);
    ar.WriteString(headerText);
    ar.WriteI32(titleOn);
    ar.WriteString(titleText);
    ar.WriteI32(footerOn);
    ar.WriteString(footerText);
    for (std::int32_t v :
         {contentOn, projectOn, sampleOn, injectOn, fileNameOn, noteOn, operatorOn, customOn})
        ar.WriteI32(v);
    ar.WriteString(customLabel);
    ar.WriteString(customValue);
    for (std::int32_t v : {detectParamsOn, dataSizeOn, methodOn, unitOn, pageNumbersOn, dateOn,
                           englishReport, instrumentOn, chromOn, axesOn, frameOn})
        ar.WriteI32(v);
    ar.WriteF32(lineSpacing);
    ar.WriteI32(integrationLinesOn);
    ar.WriteI32(extraIntC);
    ar.WriteI32(portrait);
    ar.WriteF32(chromWidthCm);
    ar.WriteF32(chromHeightCm);
    for (std::int32_t v :
         {chromAlign, resultsOn, colPeakNo, colAreaHeight, colName, colTime, colArea, colContent,
          colAreaPercent, colPeakType, colResolution, colHeight, colPlates, colTailing, extraIntA,
          extraIntB, verticalMarks, printMarks, simpleFormat})
        ar.WriteI32(v);
    StoreList(ar, lcInfoList);
    StoreList(ar, gcInfoList);
}

void PrintSettings::Load(ArchiveReader& ar) {
    instrumentType = ar.ReadI32();
    for (LogFont* f : {&axisFont, &headerFont, &titleFont, &footerFont, &bodyFont, &instrumentFont,
                       &resultsFont, &extraFontA, &extraFontB, &markFont})
        f->Load(ar);
    for (std::int32_t* v : {&markColour, &headerColour, &titleColour, &footerColour, &titleAlign,
                            &headerAlign, &footerAlign, &bodyColour, &instrumentColour,
                            &resultsColour, &extraColourA, &extraColourB, &axisColour})
        *v = ar.ReadI32();
    headerOn = ar.ReadI32();
    headerText = ar.ReadString();
    titleOn = ar.ReadI32();
    titleText = ar.ReadString();
    footerOn = ar.ReadI32();
    footerText = ar.ReadString();
    for (std::int32_t* v : {&contentOn, &projectOn, &sampleOn, &injectOn, &fileNameOn, &noteOn,
                            &operatorOn, &customOn})
        *v = ar.ReadI32();
    customLabel = ar.ReadString();
    customValue = ar.ReadString();
    for (std::int32_t* v : {&detectParamsOn, &dataSizeOn, &methodOn, &unitOn, &pageNumbersOn,
                            &dateOn, &englishReport, &instrumentOn, &chromOn, &axesOn, &frameOn})
        *v = ar.ReadI32();
    lineSpacing = ar.ReadF32();
    integrationLinesOn = ar.ReadI32();
    extraIntC = ar.ReadI32();
    portrait = ar.ReadI32();
    chromWidthCm = ar.ReadF32();
    chromHeightCm = ar.ReadF32();
    for (std::int32_t* v :
         {&chromAlign, &resultsOn, &colPeakNo, &colAreaHeight, &colName, &colTime, &colArea,
          &colContent, &colAreaPercent, &colPeakType, &colResolution, &colHeight, &colPlates,
          &colTailing, &extraIntA, &extraIntB, &verticalMarks, &printMarks, &simpleFormat})
        *v = ar.ReadI32();
    if (LoadList(ar, lcInfoList, InstrumentInfoItem::kMinStoredSize))
        LoadList(ar, gcInfoList, InstrumentInfoItem::kMinStoredSize);
}

}  // namespace lx
