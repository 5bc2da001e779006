// The method project file (.Tzp), field by field in the file's order.
#include "core/Archive.h"
#include "core/ArchiveLists.h"
#include "quant/CPrjDoc.h"
#include "quant/QuantTexts.h"

namespace lx {
namespace {

void StoreDoubles(ArchiveWriter& ar, const std::vector<double>& values) {
    ar.WriteI32(static_cast<std::int32_t>(values.size()));
    for (double v : values)
        ar.WriteF64(v);
}

bool LoadDoubles(ArchiveReader& ar, std::vector<double>& values) {
    const std::uint32_t count = ar.ReadU32();
    if (!ar.CheckCount(count, 8))
        return false;
    values.resize(count);
    for (double& v : values)
        v = ar.ReadF64();
    return !ar.Failed();
}

// Section tags are written as the workstation names them and read without comparing.
void StoreTag(ArchiveWriter& ar, const char* tag) {
    ar.WriteString(tag);
}
void SkipTag(ArchiveReader& ar) {
    ar.ReadRawString();
}

constexpr const char* kTagComponents = "ID_TABLE";
constexpr const char* kTagChannelSetup = "SAM_CON";
constexpr const char* kTagParams = "DETE_PARA";
constexpr const char* kTagTimeProgram = "PRJ_TIME";
constexpr const char* kTagPrintSettings = "PRJ_PRINT";

}  // namespace

void CalRepeat::Store(ArchiveWriter& ar) const {
    ar.WriteF64(m_Area);
    ar.WriteF64(m_Height);
    ar.WriteF64(m_Factor);
}

void CalRepeat::Load(ArchiveReader& ar) {
    m_Area = ar.ReadF64();
    m_Height = ar.ReadF64();
    m_Factor = ar.ReadF64();
}

void CCalPoint::Store(ArchiveWriter& ar) const {
    ar.WriteF64(m_Concentration);
    ar.WriteF64(m_MeanResponse);
    StoreList(ar, m_Repeats);
}

void CCalPoint::Load(ArchiveReader& ar) {
    m_Concentration = ar.ReadF64();
    m_MeanResponse = ar.ReadF64();
    LoadList(ar, m_Repeats, CalRepeat::kStoredSize);
}

void CComponentItem::Store(ArchiveWriter& ar) const {
    ar.WriteI32(m_Id);
    ar.WriteI32(m_Reserved);
    ar.WriteI32(m_IsInternalStandard);
    ar.WriteI32(m_ReferenceIs);
    ar.WriteString(m_Name);
    ar.WriteF64(m_RetentionTime);
    ar.WriteF64(m_TimeWindow);
    ar.WriteF64(m_Factor);
    ar.WriteString(m_Text2);
    ar.WriteF64(m_A);
    ar.WriteF64(m_B);
    ar.WriteF64(m_C);
    ar.WriteF64(m_R);
    StoreList(ar, m_Points);
    StoreDoubles(ar, m_Values1);
    StoreDoubles(ar, m_Values2);
}

void CComponentItem::Load(ArchiveReader& ar) {
    m_Id = ar.ReadI32();
    m_Reserved = ar.ReadI32();
    m_IsInternalStandard = ar.ReadI32();
    m_ReferenceIs = ar.ReadI32();
    m_Name = ar.ReadString();
    m_RetentionTime = ar.ReadF64();
    m_TimeWindow = ar.ReadF64();
    m_Factor = ar.ReadF64();
    m_Text2 = ar.ReadString();
    m_A = ar.ReadF64();
    m_B = ar.ReadF64();
    m_C = ar.ReadF64();
    m_R = ar.ReadF64();
    m_CurveType = kThroughOrigin;
    if (LoadList(ar, m_Points, CCalPoint::kMinStoredSize) && LoadDoubles(ar, m_Values1))
        LoadDoubles(ar, m_Values2);
}

void CPrjFileRecord::Store(ArchiveWriter& ar) const {
    ar.WriteString(m_FileName);
    ar.WriteI32(m_CreatedAt);
    ar.WriteString(m_Text);
    ar.WriteI32(m_Level);
    ar.WriteI32(m_Repeat);
    ar.WriteF64(m_RefRetentionTime);
    ar.WriteF64(m_RefWindow);
    ar.WriteF64(m_RefArea);
    ar.WriteF64(m_RefHeight);
    StoreList(ar, m_Peaks);
}

void CPrjFileRecord::Load(ArchiveReader& ar) {
    m_FileName = ar.ReadString();
    m_CreatedAt = ar.ReadI32();
    m_Text = ar.ReadString();
    m_Level = ar.ReadI32();
    m_Repeat = ar.ReadI32();
    m_RefRetentionTime = ar.ReadF64();
    m_RefWindow = ar.ReadF64();
    m_RefArea = ar.ReadF64();
    m_RefHeight = ar.ReadF64();
    LoadList(ar, m_Peaks, MinStoredSize<PeakRecord>());
}

void CPrjDoc::Serialize(ArchiveWriter& ar) {
    m_Version = kFileVersion;
    ar.WriteI32(kFileVersion);
    ar.WriteString(m_MethodName);
    ar.WriteI32(m_CreatedAt);
    for (const std::string* s : {&m_Information, &m_Folder, &m_Operator, &m_SampleName,
                                 &m_Organization, &m_Text8, &m_Text9})
        ar.WriteString(*s);
    ar.WriteI32(m_FieldA);
    ar.WriteI32(m_LevelCount);
    StoreList(ar, m_Standards);
    StoreList(ar, m_SecondStandards);
    StoreList(ar, m_Samples);
    for (std::int32_t v : {m_Basis, m_Method, m_IdentMode, m_FieldB, m_FieldC, m_LastComponentId})
        ar.WriteI32(v);
    StoreTag(ar, kTagComponents);
    StoreList(ar, m_Components);
    StoreTag(ar, kTagChannelSetup);
    StoreFields(ar, m_ChannelSetup);
    StoreTag(ar, kTagParams);
    StoreFields(ar, m_Params);
    StoreTag(ar, kTagTimeProgram);
    StoreList(ar, m_TimeProgram);
    StoreTag(ar, kTagPrintSettings);
    StoreFields(ar, m_PrintSettings);
    ar.WriteI32(m_UseManualEvents);
    StoreList(ar, m_ManualEvents);
    ar.WriteF64(m_ValueD);
    ar.WriteF64(m_ValueE);
    ar.WriteF64(m_ValueF);
}

std::string_view CPrjDoc::Serialize(ArchiveReader& ar) {
    m_Version = ar.ReadI32();
    m_MethodName = ar.ReadString();
    m_CreatedAt = ar.ReadI32();
    for (std::string* s :
         {&m_Information, &m_Folder, &m_Operator, &m_SampleName, &m_Organization, &m_Text8})
        *s = ar.ReadString();
    if (m_Version > 10)
        m_Text9 = ar.ReadString();
    m_FieldA = ar.ReadI32();
    m_LevelCount = ar.ReadI32();
    if (ar.Failed() || m_LevelCount > kMaxLevelCount)
        return texts::kPartProjectInfo;
    if (!LoadList(ar, m_Standards, CPrjFileRecord::kMinStoredSize) ||
        !LoadList(ar, m_SecondStandards, CPrjFileRecord::kMinStoredSize) ||
        !LoadList(ar, m_Samples, CPrjFileRecord::kMinStoredSize))
        return texts::kPartFileLists;
    for (std::int32_t* v :
         {&m_Basis, &m_Method, &m_IdentMode, &m_FieldB, &m_FieldC, &m_LastComponentId})
        *v = ar.ReadI32();
    SkipTag(ar);
    if (!LoadList(ar, m_Components, CComponentItem::kMinStoredSize))
        return texts::kPartComponents;
    SkipTag(ar);
    LoadFields(ar, m_ChannelSetup);
    SkipTag(ar);
    LoadFields(ar, m_Params);
    SkipTag(ar);
    if (ar.Failed() || !LoadList(ar, m_TimeProgram, MinStoredSize<TimeProgramEntry>()))
        return texts::kPartMethodTemplate;
    SkipTag(ar);
    LoadFields(ar, m_PrintSettings);
    if (ar.Failed())
        return texts::kPartMethodTemplate;
    if (m_Version > 15) {
        m_UseManualEvents = ar.ReadI32();
        if (!LoadList(ar, m_ManualEvents, MinStoredSize<ManualEvent>()))
            return texts::kPartMethodTemplate;
    }
    if (m_Version > 16)
        m_ValueD = ar.ReadF64();
    if (m_Version > 17) {
        m_ValueE = ar.ReadF64();
        m_ValueF = ar.ReadF64();
    }
    if (ar.Failed())
        return texts::kPartMethodTemplate;
    return {};
}

}  // namespace lx
