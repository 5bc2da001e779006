// The method project file (.Tzp), walking the project's field list group by group: the section
// tags, the fields that only later versions hold and the names of the parts a damaged file is
// reported by sit between the groups, so they are written out here rather than in the list.
#include "core/Archive.h"
#include "core/ArchiveFields.h"
#include "quant/CPrjDoc.h"
#include "quant/QuantTexts.h"

namespace lx {
namespace {

// Section tags are written as the workstation names them and read without comparing.
constexpr const char* kComponentsTag = "ID_TABLE";
// The template's records in the order VisitTemplate lists them.
constexpr const char* kTemplateTags[] = {"SAM_CON", "DETE_PARA", "PRJ_TIME", "PRJ_PRINT"};

void SkipTag(ArchiveReader& ar) {
    ar.ReadRawString();
}

}  // namespace

void CPrjDoc::Serialize(ArchiveWriter& ar) const {
    auto store = [&](Field, const auto& v) { StoreValue(ar, v); };
    ar.WriteI32(kFileVersion);
    VisitInformation(*this, store);
    StoreValue(ar, m_Text9);
    VisitLevels(*this, store);
    VisitFileLists(*this, store);
    VisitSettings(*this, store);
    ar.WriteString(kComponentsTag);
    StoreValue(ar, m_Components);
    const char* const* tag = kTemplateTags;
    VisitTemplate(*this, [&](Field, const auto& v) {
        ar.WriteString(*tag++);
        StoreValue(ar, v);
    });
    VisitManualEvents(*this, store);
    VisitValues(*this, store);
}

std::string_view CPrjDoc::Serialize(ArchiveReader& ar) {
    auto load = [&](Field, auto& v) { LoadValue(ar, v); };
    LoadValue(ar, m_Version);
    VisitInformation(*this, load);
    if (m_Version > 10)
        LoadValue(ar, m_Text9);
    VisitLevels(*this, load);
    if (ar.Failed() || m_LevelCount > kMaxLevelCount)
        return Tr(texts::kPartProjectInfo);
    VisitFileLists(*this, load);
    if (ar.Failed())
        return Tr(texts::kPartFileLists);
    // A cut in the settings is reported with the component table that follows them.
    VisitSettings(*this, load);
    SkipTag(ar);
    LoadValue(ar, m_Components);
    if (ar.Failed())
        return Tr(texts::kPartComponents);
    VisitTemplate(*this, [&](Field, auto& v) {
        SkipTag(ar);
        LoadValue(ar, v);
    });
    if (m_Version > 15)
        VisitManualEvents(*this, load);
    if (m_Version > 16)
        LoadValue(ar, m_ValueD);
    if (m_Version > 17) {
        LoadValue(ar, m_ValueE);
        LoadValue(ar, m_ValueF);
    }
    if (ar.Failed())
        return Tr(texts::kPartMethodTemplate);
    return {};
}

}  // namespace lx
