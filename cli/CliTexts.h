#pragma once
// Messages of the command-line tool, in the program's language.

namespace lx::cli::texts {

// Event text, marked index, selected peak.
inline constexpr const char* kEditRejected =
    "手动积分事件[%s]不能用于此处(x=%d, 峰=%d),图谱未改变!";
inline constexpr const char* kNoSuchEventRow = "没有第%d个手动积分事件!";
// File, event rows from 1 ("2,5").
inline constexpr const char* kEventsRefused =
    "图谱[%s]的手动积分事件[%s]已不适用于当前峰表,未执行。";

// What the project commands refuse.
inline constexpr const char* kNoSuchRecord = "文件记录 <%s> 不存在!";
inline constexpr const char* kNoSuchComponent = "组份ID[%d]不存在!";
inline constexpr const char* kNotAnInternalStandard = "组份ID[%d]不是内标物!";
inline constexpr const char* kNoSuchLevel = "第%d点不存在!";
inline constexpr const char* kNoSuchPeak = "峰[%d]不存在!";
inline constexpr const char* kNotFingerprint = "项目不是指纹图谱法,不能设置参照内标!";

}  // namespace lx::cli::texts
