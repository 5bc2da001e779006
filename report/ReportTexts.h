#pragma once
// The labels of the printed report. A report is in English when its print settings say so,
// whatever language the program speaks, so these pairs are picked by that flag, not by Tr.

#include "core/Language.h"

namespace lx::texts {

inline const char* Pick(const Text& text, bool english) {
    return english ? text.en : text.zh;
}

inline constexpr Text kReportFileName{"文 件 名: %s", "FILENAME: %s"};
inline constexpr Text kReportAcquired{"采样时间: %s", "Date_Time: %s"};
inline constexpr Text kReportDataSize{"图谱大小: %.3f 分钟", "DataSize: %.3f Minute"};
inline constexpr Text kReportSample{"样品名称: %s", "Sample: %s"};
inline constexpr Text kReportInject{"进 样 量: %s", "InjectValue: %s"};
inline constexpr Text kReportOperator{"实 验 员: %s", "Author: %s"};
inline constexpr Text kReportProject{"分析项目: %s", "Project: %s"};
inline constexpr Text kReportMethod{"分析方法: ", "Method: "};
inline constexpr Text kReportHeightBasis{"高度  ", "HEIGHT  "};
inline constexpr Text kReportAreaBasis{"面积  ", "AREA  "};
inline constexpr Text kReportInternalStandard{"内 标 法", "INTERNAL STANDARD"};
inline constexpr Text kReportExternalStandard{"外 标 法", "EXTERNAL STANDARD"};
inline constexpr Text kReportIndex{"指 数 法", "EXTERNAL STANDARD EXP"};
inline constexpr Text kReportCalibratedNormalization{"校正归一法", "CALIBRATE NORMALIZATION"};
inline constexpr Text kReportNormalization{"归一法", "NORMALIZATION"};
inline constexpr Text kReportHalfWidth{"半 峰 宽: %d", "Half Width: %d"};
inline constexpr Text kReportSlope{"斜    率: %g", "Slope: %g"};
inline constexpr Text kReportLaboratory{"实验单位: %s", "User: %s"};
inline constexpr Text kReportInstruments{"仪器信息: %s", "Instruments Info: %s"};
inline constexpr Text kReportNote{"实验备注: ", "Data Note: "};
inline constexpr Text kReportResults{"分   析   结   果", "  Result  "};
// The report window's text has a few labels of its own.
inline constexpr Text kTextFileName{"文 件 名: %s", "FileName: %s"};
inline constexpr Text kTextInject{"进 样 量: %s", "Inject Value: %s"};
inline constexpr Text kTextInstruments{"仪器信息:", "Instruments Info"};
inline constexpr Text kTextResults{"分  析  结  果", "Result"};
// The data note's heading is Chinese in both languages.
inline constexpr const char* kTextNote = "实验备注: ";

inline constexpr Text kReportSampleBlock{"样 品 基 本 信 息", "Sampler Infomation"};

}  // namespace lx::texts
