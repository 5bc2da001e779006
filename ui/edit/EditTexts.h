#pragma once
// The texts of manual integration and peak details in the analysis window.

#include "core/Language.h"

namespace lx::edit {

inline constexpr Text kIntegrationMenu{"手动积分(&J)", "Manual &Integration"};
inline constexpr Text kSelectPeak{"选择峰", "Select Peak"};
inline constexpr Text kMoveStart{"调整峰起点", "Move Peak Start"};
inline constexpr Text kMoveApex{"调整峰顶点", "Move Peak Apex"};
inline constexpr Text kMoveEnd{"调整峰止点", "Move Peak End"};
inline constexpr Text kObliqueCut{"斜切基线", "Oblique Baseline"};
inline constexpr Text kVerticalDrop{"纵切基线", "Vertical Drop"};
inline constexpr Text kRearTangent{"后切基线", "Rear Tangent Skim"};
inline constexpr Text kFrontTangent{"前切基线", "Front Tangent Skim"};
inline constexpr Text kForcedBaseline{"强制基线", "Forced Baseline"};
inline constexpr Text kAddPeak{"增加峰", "Add Peak"};
inline constexpr Text kDeletePeak{"删除峰", "Delete Peak"};
inline constexpr Text kNegativePeak{"设置当前峰为负峰", "Set Peak Negative"};
inline constexpr Text kPeakDetails{"设置峰属性", "Peak Attributes..."};
inline constexpr Text kMoveOverlay{"移动当前图谱", "Move Current Chromatogram"};
inline constexpr Text kDriftCorrection{"漂移校正(&P)", "Drift Correction"};

inline constexpr Text kDeletePeakQuestion{"是否删除当前所选峰[%1.3f -- %s]!",
                                          "Delete the selected peak [%1.3f -- %s]?"};
inline constexpr Text kInsertPeakQuestion{"是否插入此峰 ?", "Insert this peak?"};
inline constexpr Text kNegativeQuestion{"是否设置当前<<%.3f>>峰为负!",
                                        "Set the peak <<%.3f>> negative?"};
inline constexpr Text kChangeNameQuestion{"是否确定要更改当前峰组份名!",
                                          "Change the component of the current peak?"};

inline constexpr Text kPeakInfoTitle{"峰信息", "Peak Information"};
inline constexpr Text kPeakType{"峰类型:", "Peak type:"};
inline constexpr Text kPeakName{"组份名:", "Name:"};
inline constexpr Text kPeakComponent{"组份表:", "Component:"};
inline constexpr Text kRetention{"保留时间:", "Retention time:"};
inline constexpr Text kAreaPercent{"面积%:", "Area %:"};
inline constexpr Text kArea{"峰面积:", "Area:"};
inline constexpr Text kHeight{"峰高:", "Height:"};
inline constexpr Text kContent{"含量:", "Content:"};
inline constexpr Text kPlates{"理论塔板数:", "Theoretical plates:"};
inline constexpr Text kTailing{"拖尾因子:", "Tailing factor:"};
inline constexpr Text kResolution{"分离度:", "Resolution:"};
inline constexpr Text kHalfWidth{"半峰宽:", "Half width:"};

}  // namespace lx::edit
