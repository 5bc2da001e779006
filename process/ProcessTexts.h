#pragma once
// Names and messages of the processing commands, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kFlipSuffix = "翻转.Tzd";
inline constexpr const char* kSmoothSuffix = "平滑.Tzd";
inline constexpr const char* kDerivativeSuffix = "导数.Tzd";
inline constexpr const char* kAddSuffix = "相加.Tzd";
inline constexpr const char* kSubtractSuffix = "相减.Tzd";

// Overlay number (from 1), then the folder or path and " ?".
inline constexpr const char* kConfirmSaveUnloaded = "将通道%d改动保存到";
inline constexpr const char* kConfirmSaveOnClose = "将通道%d另存为";

}  // namespace lx::texts
