#pragma once
// Texts of the overlay commands, their three dialogs and the overlay list panel, as the
// operator reads them. The questions asked when an overlay goes or the window closes are the
// engine's (process/ProcessTexts.h).

#include "core/Language.h"

namespace lx::texts {

// The commands, in the order of their menu.
inline constexpr Text kLoadOverlay{"增加图谱(&A)", "&Add Chromatogram..."};
inline constexpr Text kUnloadOverlay{"卸载图谱(&R)", "&Remove Chromatogram"};
inline constexpr Text kCombineOverlays{"图谱拟合(&U)", "Add or S&ubtract..."};
inline constexpr Text kSmoothOverlay{"图谱平滑(&M)", "S&mooth..."};
inline constexpr Text kDerivativeOverlay{"导数图谱(&G)", "Derivative (&G)"};
inline constexpr Text kFlipOverlay{"图谱翻转(&F)", "&Flip"};
inline constexpr Text kShiftBaseline{"基线调整(&B)", "&Baseline Shift..."};
inline constexpr Text kStaggerOverlays{"多图谱显示设置", "Staggered Display"};

inline constexpr Text kLoadOverlayTitle{"增加图谱", "Add Chromatogram"};
// The undo step of a baseline shift, as the Undo and Redo commands show it.
inline constexpr Text kStepShiftBaseline{"基线调整", "Baseline Shift"};

// "曲线拟合"
inline constexpr Text kCombineTitle{"曲线拟合", "Add or Subtract"};
inline constexpr Text kFirstChromatogram{"图谱 1:(通道\\名称)", "Chromatogram 1 (number\\name):"};
inline constexpr Text kSecondChromatogram{"图谱 2:(通道\\名称)", "Chromatogram 2 (number\\name):"};
inline constexpr Text kPlus{"+", "+"};
inline constexpr Text kMinus{"-", "-"};

// "图谱平滑"
inline constexpr Text kSmoothTitle{"图谱平滑", "Smooth"};
inline constexpr Text kSmoothWidth{"平滑间隔:", "Interval:"};

// "基线校正"
inline constexpr Text kBaselineTitle{"基线校正", "Baseline Shift"};
inline constexpr Text kBaselineValue{"输入基线校正值：", "Shift by (mV):"};
inline constexpr Text kAutoZero{"自动零基线", "Zero at the first sample"};

// An overlay in the dialog's lists and the panel: its number (from 1), then its file name.
inline constexpr Text kOverlayNumber{"通道 %d :", "Overlay %d :"};
inline constexpr Text kOverlayPanelName{"图谱列表", "Chromatograms"};

}  // namespace lx::texts
