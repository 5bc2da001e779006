#include "cli/ProjectJson.h"

#include "cli/RecordJson.h"

namespace lx {
namespace {

using Json = nlohmann::ordered_json;

Json RecordsJson(const std::vector<CPrjFileRecord>& records) {
    Json list = Json::array();
    for (const CPrjFileRecord& r : records)
        list.push_back({{"m_FileName", r.m_FileName},
                        {"m_CreatedAt", r.m_CreatedAt},
                        {"m_Text", r.m_Text},
                        {"m_Level", r.m_Level},
                        {"m_Repeat", r.m_Repeat},
                        {"m_RefRetentionTime", r.m_RefRetentionTime},
                        {"m_RefWindow", r.m_RefWindow},
                        {"m_RefArea", r.m_RefArea},
                        {"m_RefHeight", r.m_RefHeight},
                        {"m_Peaks", PeakListJson(r.m_Peaks)}});
    return list;
}

Json PointsJson(const std::vector<CCalPoint>& points) {
    Json list = Json::array();
    for (const CCalPoint& point : points) {
        Json repeats = Json::array();
        for (const CalRepeat& r : point.m_Repeats)
            repeats.push_back(
                {{"m_Area", r.m_Area}, {"m_Height", r.m_Height}, {"m_Factor", r.m_Factor}});
        list.push_back({{"m_Concentration", point.m_Concentration},
                        {"m_MeanResponse", point.m_MeanResponse},
                        {"m_Repeats", repeats}});
    }
    return list;
}

Json ComponentsJson(const std::vector<CComponentItem>& components) {
    Json list = Json::array();
    for (const CComponentItem& c : components)
        list.push_back({{"m_Id", c.m_Id},
                        {"m_Reserved", c.m_Reserved},
                        {"m_IsInternalStandard", c.m_IsInternalStandard},
                        {"m_ReferenceIs", c.m_ReferenceIs},
                        {"m_Name", c.m_Name},
                        {"m_RetentionTime", c.m_RetentionTime},
                        {"m_TimeWindow", c.m_TimeWindow},
                        {"m_Factor", c.m_Factor},
                        {"m_Text2", c.m_Text2},
                        {"m_A", c.m_A},
                        {"m_B", c.m_B},
                        {"m_C", c.m_C},
                        {"m_R", c.m_R},
                        {"m_CurveType", c.m_CurveType},
                        {"m_Points", PointsJson(c.m_Points)},
                        {"m_Values1", c.m_Values1},
                        {"m_Values2", c.m_Values2}});
    return list;
}

}  // namespace

Json ToJson(const CPrjDoc& project) {
    return Json{{"m_Version", project.m_Version},
                {"m_MethodName", project.m_MethodName},
                {"m_CreatedAt", project.m_CreatedAt},
                {"m_Information", project.m_Information},
                {"m_Folder", project.m_Folder},
                {"m_Operator", project.m_Operator},
                {"m_SampleName", project.m_SampleName},
                {"m_Organization", project.m_Organization},
                {"m_Text8", project.m_Text8},
                {"m_Text9", project.m_Text9},
                {"m_FieldA", project.m_FieldA},
                {"m_LevelCount", project.m_LevelCount},
                {"m_Standards", RecordsJson(project.m_Standards)},
                {"m_SecondStandards", RecordsJson(project.m_SecondStandards)},
                {"m_Samples", RecordsJson(project.m_Samples)},
                {"m_Basis", project.m_Basis},
                {"m_Method", project.m_Method},
                {"m_IdentMode", project.m_IdentMode},
                {"m_FieldB", project.m_FieldB},
                {"m_FieldC", project.m_FieldC},
                {"m_LastComponentId", project.m_LastComponentId},
                {"m_Components", ComponentsJson(project.m_Components)},
                {"channelSetup", ChannelSetupJson(project.m_ChannelSetup)},
                {"m_Params", ParamsJson(project.m_Params)},
                {"m_TimeProgram", TimeProgramJson(project.m_TimeProgram)},
                {"printSettings", PrintSettingsJson(project.m_PrintSettings)},
                {"m_UseManualEvents", project.m_UseManualEvents},
                {"m_ManualEvents", ManualEventsJson(project.m_ManualEvents)},
                {"m_ValueD", project.m_ValueD},
                {"m_ValueE", project.m_ValueE},
                {"m_ValueF", project.m_ValueF}};
}

}  // namespace lx
