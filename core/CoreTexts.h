#pragma once
// Messages of the chromatogram file layer, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kOpenFileFailed = "打开文件[%s]失败!";
// Path, then the part of the file where the bytes ran out or made no sense.
inline constexpr const char* kFileDamaged = "文件[%s]已损坏或不完整(%s),无法打开!";
// Path, then the system's reason.
inline constexpr const char* kSaveFileFailed = "保存文件[%s]失败!(%s)";

// Parts of a chromatogram file, named in kFileDamaged.
inline constexpr const char* kPartVersion = "版本号";
inline constexpr const char* kPartSampleInfo = "样品信息";
inline constexpr const char* kPartSamples = "采样数据";
inline constexpr const char* kPartChannelSetup = "采样参数";
inline constexpr const char* kPartDisplayRange = "显示范围";
inline constexpr const char* kPartParams = "判峰参数";
inline constexpr const char* kPartTimeProgram = "时间程序";
inline constexpr const char* kPartPeaks = "峰表";
inline constexpr const char* kPartPrintSettings = "打印设置";
inline constexpr const char* kPartManualEvents = "手动积分事件";
inline constexpr const char* kPartColumnLength = "色谱柱长";
inline constexpr const char* kPartIsConc = "内标物浓度";

}  // namespace lx::texts
