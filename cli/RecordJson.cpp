#include "cli/RecordJson.h"

#include <cstdlib>

#include "core/Format.h"

namespace lx {
namespace {

using Json = nlohmann::ordered_json;

// A single-precision field shown as the value it was typed as (2.1, not 2.0999999046).
double Shortest(float v) {
    return std::strtod(Format("%.7g", static_cast<double>(v)).c_str(), nullptr);
}

Json FontJson(const LogFont& f) {
    return Json{{"height", f.height},
                {"width", f.width},
                {"escapement", f.escapement},
                {"orientation", f.orientation},
                {"weight", f.weight},
                {"italic", f.italic},
                {"underline", f.underline},
                {"strikeOut", f.strikeOut},
                {"charSet", f.charSet},
                {"outPrecision", f.outPrecision},
                {"clipPrecision", f.clipPrecision},
                {"quality", f.quality},
                {"pitchAndFamily", f.pitchAndFamily},
                {"faceName", f.faceName}};
}

Json InfoListJson(const std::vector<InstrumentInfoItem>& items) {
    Json list = Json::array();
    for (const auto& i : items)
        list.push_back({{"name", i.name}, {"content", i.content}, {"print", i.print}});
    return list;
}

}  // namespace

Json ChannelSetupJson(const ChannelSetup& c) {
    return Json{{"stopTime", c.stopTime},
                {"lockTime", c.lockTime},
                {"unnamedA", c.unnamedA},
                {"runKind", c.runKind},
                {"zeroAtStart", c.zeroAtStart},
                {"zeroOffset", c.zeroOffset},
                {"levelMax", c.levelMax},
                {"levelMin", c.levelMin},
                {"timeMax", c.timeMax},
                {"timeMin", c.timeMin},
                {"fixX", c.fixX},
                {"fixY", c.fixY},
                {"rate", c.rate},
                {"unnamedB", c.unnamedB},
                {"autoSave", c.autoSave},
                {"autoPrint", c.autoPrint},
                {"showAtEnd", c.showAtEnd},
                {"invert", c.invert},
                {"baselineOn", c.baselineOn},
                {"baselineFile", c.baselineFile},
                {"folder", c.folder},
                {"fileNumber", c.fileNumber},
                {"numberOn", c.numberOn},
                {"prefix", c.prefix},
                {"yearOn", c.yearOn},
                {"monthOn", c.monthOn},
                {"dayOn", c.dayOn},
                {"timeOn", c.timeOn},
                {"unnamedC", c.unnamedC},
                {"unnamedD", c.unnamedD}};
}

Json ParamsJson(const IntegrationParams& p) {
    return Json{{"m_HalfWidth", p.m_HalfWidth},       {"m_Slope", p.m_Slope},
                {"m_MinArea", p.m_MinArea},           {"m_MinHeight", p.m_MinHeight},
                {"m_TimeDoubling", p.m_TimeDoubling}, {"m_HeightRatio", p.m_HeightRatio},
                {"m_SampleWeight", p.m_SampleWeight}, {"m_SampleVolume", p.m_SampleVolume},
                {"m_IsConc1", p.m_IsConc1},           {"m_AutoTailing", p.m_AutoTailing},
                {"m_AutoLeading", p.m_AutoLeading},   {"m_Reserved", p.m_Reserved},
                {"m_DeleteMode", p.m_DeleteMode},     {"m_UseTimeProgram", p.m_UseTimeProgram}};
}

Json PeakJson(const PeakRecord& p, bool withRawSum) {
    Json peak{{"m_Number", p.m_Number},
              {"m_Aux", p.m_Aux},
              {"m_GroupSize", p.m_GroupSize},
              {"m_ApexTime", p.m_ApexTime},
              {"m_Start", p.m_Start},
              {"m_Apex", p.m_Apex},
              {"m_End", p.m_End},
              {"m_StartValue", p.m_StartValue},
              {"m_ApexValue", p.m_ApexValue},
              {"m_EndValue", p.m_EndValue},
              {"m_BaseStart", p.m_BaseStart},
              {"m_BaseEnd", p.m_BaseEnd},
              {"m_BaseStartValue", p.m_BaseStartValue},
              {"m_BaseEndValue", p.m_BaseEndValue},
              {"m_Spare", p.m_Spare},
              {"m_Flags", p.m_Flags},
              {"m_Area", p.m_Area},
              {"m_Height", p.m_Height},
              {"m_AreaPercent", p.m_AreaPercent},
              {"m_Content", p.m_Content},
              {"m_HalfWidthTime", p.m_HalfWidthTime},
              {"m_Tailing", p.m_Tailing},
              {"m_Plates", p.m_Plates},
              {"m_Resolution", p.m_Resolution},
              {"m_Extra1", p.m_Extra1},
              {"m_Extra2", p.m_Extra2},
              {"m_Extra3", p.m_Extra3},
              {"m_Extra4", p.m_Extra4},
              {"m_Extra5", p.m_Extra5},
              {"m_Extra6", p.m_Extra6},
              {"m_Extra7", p.m_Extra7},
              {"m_Extra8", p.m_Extra8},
              {"m_Component", p.m_Component},
              {"m_ComponentName", p.m_ComponentName}};
    if (withRawSum)
        peak["m_RawSum"] = p.m_RawSum;
    return peak;
}

Json PrintSettingsJson(const PrintSettings& s) {
    return Json{{"instrumentType", s.instrumentType},
                {"lcInfoList", InfoListJson(s.lcInfoList)},
                {"gcInfoList", InfoListJson(s.gcInfoList)},
                {"headerFont", FontJson(s.headerFont)},
                {"headerOn", s.headerOn},
                {"headerText", s.headerText},
                {"headerColour", s.headerColour},
                {"headerAlign", s.headerAlign},
                {"titleFont", FontJson(s.titleFont)},
                {"titleOn", s.titleOn},
                {"titleText", s.titleText},
                {"titleColour", s.titleColour},
                {"titleAlign", s.titleAlign},
                {"footerFont", FontJson(s.footerFont)},
                {"footerOn", s.footerOn},
                {"footerText", s.footerText},
                {"footerColour", s.footerColour},
                {"footerAlign", s.footerAlign},
                {"bodyFont", FontJson(s.bodyFont)},
                {"bodyColour", s.bodyColour},
                {"contentOn", s.contentOn},
                {"projectOn", s.projectOn},
                {"sampleOn", s.sampleOn},
                {"injectOn", s.injectOn},
                {"fileNameOn", s.fileNameOn},
                {"noteOn", s.noteOn},
                {"operatorOn", s.operatorOn},
                {"customOn", s.customOn},
                {"customLabel", s.customLabel},
                {"customValue", s.customValue},
                {"detectParamsOn", s.detectParamsOn},
                {"dataSizeOn", s.dataSizeOn},
                {"methodOn", s.methodOn},
                {"dateOn", s.dateOn},
                {"unitOn", s.unitOn},
                {"pageNumbersOn", s.pageNumbersOn},
                {"englishReport", s.englishReport},
                {"simpleFormat", s.simpleFormat},
                {"instrumentFont", FontJson(s.instrumentFont)},
                {"instrumentColour", s.instrumentColour},
                {"instrumentOn", s.instrumentOn},
                {"resultsFont", FontJson(s.resultsFont)},
                {"resultsColour", s.resultsColour},
                {"resultsOn", s.resultsOn},
                {"colPeakNo", s.colPeakNo},
                {"colAreaHeight", s.colAreaHeight},
                {"colName", s.colName},
                {"colTime", s.colTime},
                {"colArea", s.colArea},
                {"colContent", s.colContent},
                {"colResolution", s.colResolution},
                {"colHeight", s.colHeight},
                {"colPlates", s.colPlates},
                {"colTailing", s.colTailing},
                {"colAreaPercent", s.colAreaPercent},
                {"colPeakType", s.colPeakType},
                {"lineSpacing", Shortest(s.lineSpacing)},
                {"extraFontA", FontJson(s.extraFontA)},
                {"extraFontB", FontJson(s.extraFontB)},
                {"extraColourA", s.extraColourA},
                {"extraColourB", s.extraColourB},
                {"extraIntA", s.extraIntA},
                {"extraIntB", s.extraIntB},
                {"axisFont", FontJson(s.axisFont)},
                {"axisColour", s.axisColour},
                {"markFont", FontJson(s.markFont)},
                {"markColour", s.markColour},
                {"chromOn", s.chromOn},
                {"axesOn", s.axesOn},
                {"integrationLinesOn", s.integrationLinesOn},
                {"extraIntC", s.extraIntC},
                {"portrait", s.portrait},
                {"frameOn", s.frameOn},
                {"chromWidthCm", Shortest(s.chromWidthCm)},
                {"chromHeightCm", Shortest(s.chromHeightCm)},
                {"chromAlign", s.chromAlign},
                {"verticalMarks", s.verticalMarks},
                {"printMarks", s.printMarks}};
}

namespace {

void AppendText(const Json& node, int depth, std::string& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    auto scalar = [](const Json& v) {
        return v.is_string() ? v.get<std::string>()
                             : v.dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    if (node.is_object()) {
        for (const auto& [key, value] : node.items()) {
            if (value.is_structured()) {
                out += indent + key + (value.is_array() ? Format(": (%zu)", value.size()) : ":") +
                       "\n";
                AppendText(value, depth + 1, out);
            } else {
                out += indent + key + ": " + scalar(value) + "\n";
            }
        }
    } else if (node.is_array()) {
        for (std::size_t i = 0; i < node.size(); ++i) {
            if (node[i].is_structured()) {
                out += indent + Format("[%zu]\n", i);
                AppendText(node[i], depth + 1, out);
            } else {
                out += indent + Format("[%zu] ", i) + scalar(node[i]) + "\n";
            }
        }
    }
}

}  // namespace

Json TimeProgramJson(const std::vector<TimeProgramEntry>& program) {
    Json list = Json::array();
    for (const auto& e : program)
        list.push_back({{"m_Time", e.m_Time},
                        {"m_HalfWidth", e.m_HalfWidth},
                        {"m_Slope", e.m_Slope},
                        {"m_Forbid", e.m_Forbid}});
    return list;
}

Json ManualEventsJson(const std::vector<ManualEvent>& events) {
    Json list = Json::array();
    for (const auto& e : events)
        list.push_back({{"m_Type", e.m_Type},
                        {"m_Param1", e.m_Param1},
                        {"m_Param2", e.m_Param2},
                        {"m_Peak", PeakJson(e.m_Peak, false)},
                        {"m_Time", e.m_Time}});
    return list;
}

Json PeakListJson(const std::vector<PeakRecord>& peaks) {
    Json list = Json::array();
    for (const auto& p : peaks)
        list.push_back(PeakJson(p, false));
    return list;
}

Json ToJson(const CTzLabDoc& doc, bool withSamples) {
    Json tree{{"m_Version", Shortest(doc.m_Version)},
              {"m_Operator", doc.m_Operator},
              {"m_SampleName", doc.m_SampleName},
              {"m_Laboratory", doc.m_Laboratory},
              {"m_Notes", doc.m_Notes},
              {"m_CreatedAt", doc.m_CreatedAt},
              {"m_InjectVolume", doc.m_InjectVolume},
              {"sampleCount", doc.m_Samples.size()},
              {"channelSetup", ChannelSetupJson(doc.m_ChannelSetup)},
              {"m_DisplayTop", doc.m_DisplayTop},
              {"m_DisplayBottom", doc.m_DisplayBottom},
              {"m_Params", ParamsJson(doc.m_Params)}};
    tree["m_TimeProgram"] = TimeProgramJson(doc.m_TimeProgram);
    tree["m_Peaks"] = PeakListJson(doc.m_Peaks);
    tree["printSettings"] = PrintSettingsJson(doc.m_PrintSettings);
    tree["m_UseManualEvents"] = doc.m_UseManualEvents;
    tree["m_ManualEvents"] = ManualEventsJson(doc.m_ManualEvents);
    tree["m_ColumnLength"] = doc.m_ColumnLength;
    tree["m_IsConc2"] = doc.m_IsConc2;
    tree["m_IsConc3"] = doc.m_IsConc3;
    if (withSamples)
        tree["m_Samples"] =
            Json(std::vector<std::int32_t>(doc.m_Samples.begin(), doc.m_Samples.end()));
    return tree;
}

std::string ToText(const Json& tree) {
    std::string out;
    AppendText(tree, 0, out);
    return out;
}

}  // namespace lx
