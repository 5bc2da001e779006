#pragma once
// Texts of the integration pages, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kAllowIntegration = "允许积分";
inline constexpr const char* kForbidIntegration = "禁止积分";

}  // namespace lx::texts

namespace lx::texts {

// Event texts of the manual integration list.
inline constexpr const char* kMoveStartText = "调整峰起点";
inline constexpr const char* kMoveApexText = "调整峰顶点";
inline constexpr const char* kMoveEndText = "调整峰止点";
inline constexpr const char* kObliqueCutText = "斜切基线";
inline constexpr const char* kVerticalDropText = "纵切基线";
inline constexpr const char* kRearTangentText = "后切基线";
inline constexpr const char* kFrontTangentText = "前切基线";
inline constexpr const char* kForcedBaselineText = "强制基线";
inline constexpr const char* kAddPeakText = "增加一个峰";
inline constexpr const char* kDeletePeakText = "删除一个峰";

}  // namespace lx::texts
