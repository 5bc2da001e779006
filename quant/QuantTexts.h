#pragma once
// Messages of calibration and quantitation, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kEmptyComponentTable = "组份表为空,请重新设置组份表!";
inline constexpr const char* kZeroResponse =
    "某些组份为峰面积或峰高值为零,\n\n可能组份表中时间间隔设置有误。\n\n请修改组份表!";
inline constexpr const char* kZeroConcentration = "某些组份浓度为零,请重新设置组份表!";

}  // namespace lx::texts
