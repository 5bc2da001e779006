#pragma once
// Texts of the integration pages, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kAllowIntegration = "允许积分";
inline constexpr const char* kForbidIntegration = "禁止积分";

}  // namespace lx::texts
