#pragma once
// Messages of the command-line tool, in the program's language.

namespace lx::cli::texts {

// Event text, marked index, selected peak.
inline constexpr const char* kEditRejected =
    "手动积分事件[%s]不能用于此处(x=%d, 峰=%d),图谱未改变!";
inline constexpr const char* kNoSuchEventRow = "没有第%d个手动积分事件!";

}  // namespace lx::cli::texts
