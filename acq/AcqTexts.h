#pragma once
// Messages of acquisition, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

inline constexpr Text kPortSettingError{"串口设置错误!", "Serial port setting error!"};
inline constexpr Text kAcquisitionPortError{"采集口错误!", "Acquisition port error!"};
inline constexpr Text kLineSilent{"通道口数据错误,请检查连线是否正确!",
                                  "No data on the line; please check the cabling!"};
inline constexpr Text kDemoFileMissing{"演示文件没有找着!", "The demo file was not found!"};

}  // namespace lx::texts
