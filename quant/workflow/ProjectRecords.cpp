#include "quant/workflow/ProjectRecords.h"

#include <algorithm>
#include <filesystem>

#include "core/AppPaths.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "quant/QuantTexts.h"
#include "quant/file/TzpFile.h"

namespace lx {
namespace {

template <class Project>
auto& ListOf(Project& project, RecordList list) {
    switch (list) {
        case RecordList::kStandards:
            return project.m_Standards;
        case RecordList::kSecondStandards:
            return project.m_SecondStandards;
        case RecordList::kSamples:
            break;
    }
    return project.m_Samples;
}

bool Listed(const CPrjDoc& project, RecordList list, const std::string& path) {
    return std::any_of(RecordsOf(project, list).begin(), RecordsOf(project, list).end(),
                       [&](const CPrjFileRecord& r) { return SamePath(r.m_FileName, path); });
}

// A record of the chromatogram at `path`: its creation date and its peaks.
std::optional<CPrjFileRecord> ReadRecord(const std::string& path, Prompter& prompter) {
    auto doc = LoadTzdFile(path);
    if (!doc.ok()) {
        prompter.Inform(Format(Tr(texts::kCannotOpenRecordFile), path.c_str()),
                        Prompter::Icon::Warning);
        return std::nullopt;
    }
    CPrjFileRecord record;
    record.m_FileName = path;
    record.m_CreatedAt = doc->m_CreatedAt;
    record.m_Peaks = std::move(doc->m_Peaks);
    return record;
}

void EraseRecord(CPrjDoc& project, RecordList list, int index) {
    auto& records = RecordsOf(project, list);
    records.erase(records.begin() + index);
    if (list != RecordList::kSamples)
        MaintainLevels(project);
    project.m_Modified = true;
}

bool ValidIndex(const CPrjDoc& project, RecordList list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < RecordsOf(project, list).size();
}

}  // namespace

std::vector<CPrjFileRecord>& RecordsOf(CPrjDoc& project, RecordList list) {
    return ListOf(project, list);
}

const std::vector<CPrjFileRecord>& RecordsOf(const CPrjDoc& project, RecordList list) {
    return ListOf(project, list);
}

std::string RecordFilePath(const CPrjDoc& project, const CPrjFileRecord& record) {
    const std::string projectFolder =
        std::filesystem::path(project.m_PathName).parent_path().string();
    return ResolveStoredPath(record.m_FileName, project.m_AppDir, projectFolder);
}

int FindRecord(const CPrjDoc& project, RecordList list, const std::string& path) {
    const auto& records = RecordsOf(project, list);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (SamePath(records[i].m_FileName, path) ||
            SamePath(RecordFilePath(project, records[i]), path))
            return static_cast<int>(i);
    return -1;
}

Status SaveProject(CPrjDoc& project, const std::string& path) {
    for (RecordList list :
         {RecordList::kStandards, RecordList::kSecondStandards, RecordList::kSamples})
        for (CPrjFileRecord& record : RecordsOf(project, list)) {
            const std::string found = RecordFilePath(project, record);
            std::error_code ec;
            if (found != NativePath(record.m_FileName) &&
                std::filesystem::is_regular_file(found, ec))
                record.m_FileName = found;
        }
    return SaveTzpFile(project, path);
}

bool AddStandardFile(CPrjDoc& project, const std::string& path, Prompter& prompter) {
    if (Listed(project, RecordList::kSamples, path) ||
        Listed(project, RecordList::kStandards, path)) {
        prompter.Inform(Format(Tr(texts::kRecordExists), path.c_str()), Prompter::Icon::Warning);
        return false;
    }
    auto record = ReadRecord(path, prompter);
    if (!record)
        return false;
    record->m_Level = project.m_LevelCount;
    record->m_Repeat =
        1 + static_cast<std::int32_t>(std::count_if(
                project.m_Standards.begin(), project.m_Standards.end(),
                [&](const CPrjFileRecord& r) { return r.m_Level == record->m_Level; }));
    project.m_Standards.push_back(std::move(*record));
    std::erase_if(project.m_SecondStandards,
                  [&](const CPrjFileRecord& r) { return SamePath(r.m_FileName, path); });
    project.m_Modified = true;
    return true;
}

bool AddSampleFile(CPrjDoc& project, const std::string& path, Prompter& prompter) {
    for (RecordList list :
         {RecordList::kStandards, RecordList::kSecondStandards, RecordList::kSamples})
        if (Listed(project, list, path)) {
            prompter.Inform(Tr(texts::kSampleExists), Prompter::Icon::Warning);
            return false;
        }
    auto record = ReadRecord(path, prompter);
    if (!record)
        return false;
    project.m_Samples.push_back(std::move(*record));
    project.m_Modified = true;
    return true;
}

bool RemoveRecord(CPrjDoc& project, RecordList list, int index, Prompter& prompter) {
    if (!ValidIndex(project, list, index))
        return false;
    const std::string& name = RecordsOf(project, list)[static_cast<std::size_t>(index)].m_FileName;
    if (!prompter.Confirm(Format(Tr(texts::kConfirmRemoveRecord), name.c_str())))
        return false;
    EraseRecord(project, list, index);
    return true;
}

bool RemoveAllRecords(CPrjDoc& project, RecordList list, Prompter& prompter) {
    const Text& question = list == RecordList::kSamples ? texts::kConfirmRemoveAllSamples
                                                        : texts::kConfirmRemoveAllStandards;
    if (!prompter.Confirm(Tr(question)))
        return false;
    RecordsOf(project, list).clear();
    project.m_Modified = true;
    return true;
}

void MaintainLevels(CPrjDoc& project) {
    const std::int32_t count = std::max(project.m_LevelCount, 1);
    std::vector<bool> used(static_cast<std::size_t>(count) + 1, false);
    for (const CPrjFileRecord& r : project.m_Standards)
        if (r.m_Level >= 1 && r.m_Level <= count)
            used[static_cast<std::size_t>(r.m_Level)] = true;

    // Highest first, so the lowest level is the one kept when no standard is left.
    std::int32_t remaining = count;
    for (std::int32_t level = count; level >= 1 && remaining > 1; --level) {
        if (used[static_cast<std::size_t>(level)])
            continue;
        for (CComponentItem& c : project.m_Components)
            if (static_cast<std::int64_t>(c.m_Points.size()) >= level)
                c.m_Points.erase(c.m_Points.begin() + (level - 1));
        --remaining;
        for (CPrjFileRecord& r : project.m_Standards)
            if (r.m_Level > level && r.m_Level <= count)
                --r.m_Level;
        used.erase(used.begin() + level);
    }
    project.m_LevelCount = remaining;

    for (std::int32_t level = 1; level <= remaining; ++level) {
        std::int32_t repeat = 0;
        for (CPrjFileRecord& r : project.m_Standards)
            if (r.m_Level == level)
                r.m_Repeat = ++repeat;
    }
}

bool SetStandardLevel(CPrjDoc& project, int index, int level) {
    if (level < 1 || !ValidIndex(project, RecordList::kStandards, index))
        return false;
    if (level > project.m_LevelCount) {
        if (project.m_LevelCount >= CPrjDoc::kMaxLevelCount)
            return false;
        ++project.m_LevelCount;
        for (CComponentItem& c : project.m_Components)
            if (static_cast<std::int64_t>(c.m_Points.size()) < project.m_LevelCount)
                c.m_Points.resize(static_cast<std::size_t>(project.m_LevelCount));
        level = project.m_LevelCount;
    }
    project.m_Standards[static_cast<std::size_t>(index)].m_Level = level;
    MaintainLevels(project);
    project.m_Modified = true;
    return true;
}

std::optional<std::string> OpenRecordFile(CPrjDoc& project, RecordList list, int index,
                                          Prompter& prompter) {
    if (!ValidIndex(project, list, index))
        return std::nullopt;
    const CPrjFileRecord& record = RecordsOf(project, list)[static_cast<std::size_t>(index)];
    const std::string path = RecordFilePath(project, record);
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        return path;
    if (prompter.Confirm(Format(Tr(texts::kConfirmRemoveMissing), record.m_FileName.c_str())))
        EraseRecord(project, list, index);
    return std::nullopt;
}

}  // namespace lx
