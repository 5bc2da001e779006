#pragma once
// Texts of the standard curve window, Chinese (the workstation's own) and English. The plot's
// own texts come with the report layer's drawing, the report block's with the engine's rows,
// and the commands it shares with the analysis window from that window's catalogue.

#include "core/Language.h"

namespace lx::curve {

inline constexpr Text kMenu{"标准曲线(&L)", "Standard &Curve"};
inline constexpr Text kComponent{"组份:", "Component:"};
inline constexpr Text kResultBar{"结果列表框", "Results"};
inline constexpr Text kPrint{"打印(&P)...", "&Print..."};
inline constexpr Text kPrintPreview{"打印预览(&V)", "Print Pre&view"};
// One calibration repeat in the result list: its amount and response as the axes write them.
inline constexpr Text kPointRow{"X = %s    Y = %s", "X = %s    Y = %s"};

// What a screen reader says of the plot: component, markers, correlation coefficient.
inline constexpr Text kPlotDescription{"%s: %zu 个点, 相关系数 %1.4f",
                                       "%s: %zu points, correlation %1.4f"};
inline constexpr Text kPlotEmpty{"没有组份", "No component"};

// "坐标设置"
inline constexpr Text kAmountMin{"最小含量:", "Amount from:"};
inline constexpr Text kAmountMax{"最大含量:", "Amount to:"};
inline constexpr Text kResponseMin{"最小响应:", "Response from:"};
inline constexpr Text kResponseMax{"最大响应:", "Response to:"};
inline constexpr Text kBadRange{"坐标范围错误, 最大值必须大于最小值!",
                                "Wrong axis range: each maximum must be above its minimum!"};

// "参数设置": the fonts of the printed curve report, in the dialog "打印设置".
inline constexpr Text kTitleFont{"标题字体设置:", "Title font:"};
inline constexpr Text kBodyFont{"正文字体设置:", "Body font:"};

}  // namespace lx::curve
