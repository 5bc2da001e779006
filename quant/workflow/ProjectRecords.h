#pragma once
// The chromatogram files of a method project: adding standards and samples, removing them,
// and keeping the calibration levels in step with the standards that remain.

#include <optional>
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "core/Result.h"
#include "quant/CPrjDoc.h"

namespace lx {

enum class RecordList { kStandards, kSecondStandards, kSamples };

std::vector<CPrjFileRecord>& RecordsOf(CPrjDoc& project, RecordList list);
const std::vector<CPrjFileRecord>& RecordsOf(const CPrjDoc& project, RecordList list);

// The record of the chromatogram at `path` in `list`, or -1. A record matches when its stored
// path or the file that path resolves to here (old Windows paths) is `path`, letter case aside.
int FindRecord(const CPrjDoc& project, RecordList list, const std::string& path);

// The file a record stands for on this machine (see ResolveStoredPath).
std::string RecordFilePath(const CPrjDoc& project, const CPrjFileRecord& record);

// The operator's save of a project: records whose stored path is found here only elsewhere
// (paths written on another machine) now name the file found; until this save they keep
// their text. Then the file is written (SaveTzpFile).
Status SaveProject(CPrjDoc& project, const std::string& path);

// Appends the chromatogram at `path` as a standard of the newest level, as its next repeat,
// with the file's creation date and peaks, and takes it out of the second standard list.
// Refuses a path already among the standards or samples ("文件记录 <path> 已存在!") and a file
// that cannot be read ("打开文件[%s]错误!"), changing nothing.
bool AddStandardFile(CPrjDoc& project, const std::string& path, Prompter& prompter);

// Appends the chromatogram at `path` to the samples. Refuses a path in any of the three lists
// ("文件已存在!") and a file that cannot be read.
bool AddSampleFile(CPrjDoc& project, const std::string& path, Prompter& prompter);

// After the operator agrees, removes one record; a standard's removal renumbers the levels.
bool RemoveRecord(CPrjDoc& project, RecordList list, int index, Prompter& prompter);

// After the operator agrees, empties the standard file list or the sample file list. The
// levels stay, so the concentrations entered for them survive a fresh set of standards.
bool RemoveAllRecords(CPrjDoc& project, RecordList list, Prompter& prompter);

// Drops the levels no standard uses (their calibration points go from every component; at
// least one level stays), numbers the rest 1, 2, ... in their old order, and numbers the
// repeats of each level 1, 2, ... in list order.
void MaintainLevels(CPrjDoc& project);

// Moves standard `index` to `level`; a level above the count adds one level at the end (an
// empty point for every component). Levels are maintained afterwards. False for a level
// below 1, a new level beyond CPrjDoc::kMaxLevelCount or an index outside the standard list.
bool SetStandardLevel(CPrjDoc& project, int index, int level);

// What opening a record from the tree finds: the file to open, or nothing when the file has
// vanished ("文件[%s]不存在, 是否删除记录!"; Yes removes the record, with level maintenance
// for a standard).
std::optional<std::string> OpenRecordFile(CPrjDoc& project, RecordList list, int index,
                                          Prompter& prompter);

}  // namespace lx
