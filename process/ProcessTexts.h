#pragma once
// Names and messages of the processing commands, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

// Parts of file names, the same in every language.
inline constexpr const char* kFlipSuffix = "翻转.Tzd";
inline constexpr const char* kSmoothSuffix = "平滑.Tzd";
inline constexpr const char* kDerivativeSuffix = "导数.Tzd";
inline constexpr const char* kAddSuffix = "相加.Tzd";
inline constexpr const char* kSubtractSuffix = "相减.Tzd";

// Overlay number (from 1), then the folder or path and " ?".
inline constexpr Text kConfirmSaveUnloaded{"将通道%d改动保存到",
                                           "Save the changes of overlay %d to "};
inline constexpr Text kConfirmSaveOnClose{"将通道%d另存为", "Save overlay %d as "};

}  // namespace lx::texts
