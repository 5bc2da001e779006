#pragma once
// Messages of the chromatogram file layer, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

// Path. The analysis window says no more than this, whatever the reason.
inline constexpr Text kOpenFileFailed{"打开文件[%s]失败!", "Cannot open file [%s]!"};
// Path, then why it could not be opened.
inline constexpr Text kOpenFileFailedBecause{"打开文件[%s]失败!(%s)",
                                             "Cannot open file [%s]! (%s)"};
inline constexpr Text kReasonMissing{"文件不存在", "no such file"};
inline constexpr Text kReasonNoPermission{"没有读取权限", "permission denied"};
inline constexpr Text kReasonFolder{"这是一个文件夹", "it is a folder"};
inline constexpr Text kReasonNotAFile{"这不是普通文件(设备、管道或套接字)",
                                      "it is no ordinary file (a device, pipe or socket)"};
// Path, then the system's reason, made plainer for the common ones.
inline constexpr Text kSaveFileFailed{"保存文件[%s]失败!(%s)", "Saving file [%s] failed! (%s)"};
inline constexpr Text kReasonDiskFull{"磁盘已满,请腾出空间后重试",
                                      "the disk is full; free some space and try again"};
inline constexpr Text kReasonCannotWrite{
    "没有写入权限,请换一个文件夹或检查权限",
    "no permission to write there; choose another folder or check the permissions"};
inline constexpr Text kReasonNoFolder{"文件夹不存在", "the folder does not exist"};
inline constexpr Text kReasonNotRegular{
    "这不是普通文件(设备、管道、套接字或文件夹)",
    "it is no ordinary file (a device, pipe, socket or folder)"};
inline constexpr Text kReasonTooLarge{"数据超出文件格式所能保存的大小",
                                      "the data is larger than the file format can hold"};
// Path, then the process that holds it.
inline constexpr Text kReasonBusy{"文件正由进程%ld保存,请稍后再试",
                                  "process %ld is saving this file; try again shortly"};
// Path, then the part of the file where the bytes ran out or made no sense.
inline constexpr Text kFileDamaged{"文件[%s]已损坏或不完整(%s),无法打开!",
                                   "File [%s] is damaged or incomplete (%s) and cannot be opened!"};
// Path, the kind expected, the kind it seems to be.
inline constexpr Text kWrongKind{"文件[%s]不是%s,而是%s,无法打开!",
                                 "File [%s] is not %s but %s, so it cannot be opened!"};
inline constexpr Text kKindEmpty{"空文件", "an empty file"};
inline constexpr Text kKindChromatogram{"色谱图文件(.Tzd)", "a chromatogram file (.Tzd)"};
inline constexpr Text kKindProject{"分析项目文件(.Tzp)", "a method project file (.Tzp)"};
inline constexpr Text kKindRunJournal{"采样记录文件(.journal)", "a run journal (.journal)"};
inline constexpr Text kKindText{"文本文件", "a text file"};
inline constexpr Text kKindOther{"未知格式的文件", "a file of an unknown kind"};

// Parts of a chromatogram file, named in kFileDamaged.
inline constexpr Text kPartVersion{"版本号", "version"};
inline constexpr Text kPartSampleInfo{"样品信息", "sample information"};
inline constexpr Text kPartSamples{"采样数据", "sampled data"};
inline constexpr Text kPartChannelSetup{"采样参数", "acquisition settings"};
inline constexpr Text kPartDisplayRange{"显示范围", "display range"};
inline constexpr Text kPartParams{"判峰参数", "peak detection parameters"};
inline constexpr Text kPartTimeProgram{"时间程序", "time program"};
inline constexpr Text kPartPeaks{"峰表", "peak table"};
inline constexpr Text kPartPrintSettings{"打印设置", "print settings"};
inline constexpr Text kPartManualEvents{"手动积分事件", "manual integration events"};
inline constexpr Text kPartColumnLength{"色谱柱长", "column length"};
inline constexpr Text kPartIsConc{"内标物浓度", "internal standard concentrations"};

}  // namespace lx::texts
