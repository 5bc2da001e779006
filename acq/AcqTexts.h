#pragma once
// Messages of acquisition, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

inline constexpr Text kPortSettingError{"串口设置错误!", "Serial port setting error!"};
inline constexpr Text kAcquisitionPortError{"采集口错误!", "Acquisition port error!"};
inline constexpr Text kLineSilent{"通道口数据错误,请检查连线是否正确!",
                                  "No data on the line; please check the cabling!"};
inline constexpr Text kDemoFileMissing{"演示文件没有找着!", "The demo file was not found!"};

inline constexpr Text kChannelTitleA{"通道 A", "Channel A"};
inline constexpr Text kChannelTitleB{"通道 B", "Channel B"};
inline constexpr Text kBaselineMissing{"基线扣除文件打开错误 !", "Cannot open the baseline file!"};
inline constexpr Text kBaselineUnreadable{"基线扣除文件[%s]打开错误 !",
                                          "Cannot open the baseline file [%s]!"};
inline constexpr Text kBaselineExhausted{"基线扣除时间到，采样结束!",
                                         "The baseline has run out; the run has ended!"};
inline constexpr Text kRecoverWithoutProject{
    "%s\n采样按通道参数恢复,不加入方法项目。",
    "%s\nThe run is recovered with the channel's method and not filed in the project."};
inline constexpr Text kConfirmCancelRun{"是否取消采样!", "Cancel the run?"};
inline constexpr Text kConfirmPasteParameters{"是否粘贴参数!", "Paste the parameters?"};
inline constexpr Text kJournalUnavailable{
    "%s\n本次采样不能写入采样记录文件, 程序意外中止时将无法恢复!",
    "%s\nThis run has no journal: it cannot be recovered if the program stops unexpectedly!"};

// Assigning a method project or a data folder to a channel; %c is the channel letter.
inline constexpr Text kConfirmStandardKind{"是否将通道%c数据设置成<<标准品图谱>> !",
                                           "Record channel %c as <<standard>> runs?"};
inline constexpr Text kConfirmSampleKind{"是否将通道%c数据设置成<<样品图谱>> !",
                                         "Record channel %c as <<sample>> runs?"};
inline constexpr Text kRunningKeepsProject{
    "通道%c正在采样不可更改其当前所用方法!",
    "Channel %c is recording; its method cannot change now!"};
inline constexpr Text kConfirmUseProject{"是否使用方法 <<%s>> 对通道%c进行数据采集!",
                                         "Use the method <<%s>> to record channel %c?"};
inline constexpr Text kRunningKeepsFolder{"通道%c正在采样!", "Channel %c is recording!"};
inline constexpr Text kConfirmUseFolder{"是否使用文件夹 <<%s>> 对通道%c进行数据采集!",
                                        "Use the folder <<%s>> for the runs of channel %c?"};

inline constexpr Text kPartJournalHeader{"采样记录头", "run journal header"};

}  // namespace lx::texts
