#pragma once
// Texts of the integration pages, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

inline constexpr Text kAllowIntegration{"允许积分", "Integration allowed"};
inline constexpr Text kForbidIntegration{"禁止积分", "Integration forbidden"};

// Event texts of the manual integration list.
inline constexpr Text kMoveStartText{"调整峰起点", "Move peak start"};
inline constexpr Text kMoveApexText{"调整峰顶点", "Move peak apex"};
inline constexpr Text kMoveEndText{"调整峰止点", "Move peak end"};
inline constexpr Text kObliqueCutText{"斜切基线", "Oblique baseline cut"};
inline constexpr Text kVerticalDropText{"纵切基线", "Vertical drop line"};
inline constexpr Text kRearTangentText{"后切基线", "Rear tangent skim"};
inline constexpr Text kFrontTangentText{"前切基线", "Front tangent skim"};
inline constexpr Text kForcedBaselineText{"强制基线", "Forced baseline"};
inline constexpr Text kAddPeakText{"增加一个峰", "Add a peak"};
inline constexpr Text kDeletePeakText{"删除一个峰", "Delete a peak"};

}  // namespace lx::texts
