#pragma once
// What the summary tables and the text signal import say, in the program's language.

#include "core/Language.h"

namespace lx::texts {

// Headings of the summary table's run columns.
inline constexpr Text kSummaryFile{"文件", "File"};
inline constexpr Text kSummarySample{"样品名称", "Sample"};
inline constexpr Text kSummaryOperator{"实验员", "Operator"};
inline constexpr Text kSummaryAcquired{"采样时间", "Acquired"};
inline constexpr Text kSummaryMethod{"分析方法", "Method"};
// A column of a component or peak: its name, then the quantity.
inline constexpr Text kSummaryTime{"%s 保留时间/分", "%s RT/min"};
inline constexpr Text kSummaryArea{"%s 面积", "%s Area"};
inline constexpr Text kSummaryHeight{"%s 峰高/µV", "%s Height/µV"};
inline constexpr Text kSummaryAreaPercent{"%s 面积%%", "%s Area%%"};
inline constexpr Text kSummaryContent{"%s 含量", "%s Content"};
// Peak number, from 1.
inline constexpr Text kSummaryPeak{"峰%d", "Peak %d"};
// The statistics rows, in the file column.
inline constexpr Text kSummaryCount{"个数", "n"};
inline constexpr Text kSummaryMean{"平均值", "Mean"};
inline constexpr Text kSummaryDeviation{"标准偏差", "SD"};
inline constexpr Text kSummaryRsd{"RSD%", "RSD%"};
inline constexpr Text kSummarySheet{"汇总", "Summary"};
// File, peak numbers ("3, 4"), component, the peak listed.
inline constexpr Text kSummarySameComponent{
    "图谱[%s]中峰 %s 都识别为组份[%s],汇总表列出峰 %d。",
    "In [%s], peaks %s are all identified as [%s]; the summary lists peak %d."};
// The library's own words.
inline constexpr Text kSummaryXlsxFailed{"无法生成电子表格: %s", "Cannot make the spreadsheet: %s"};

// Text signals. File first, then the line (from 1) where it applies.
inline constexpr Text kSignalTooLarge{
    "文件[%s]太大(%llu 字节),最多读入 %llu 字节。",
    "File [%s] is too large (%llu bytes); at most %llu bytes are read."};
inline constexpr Text kSignalLineTooLong{"文件[%s]第%zu行超过 %zu 个字符,不是信号文本。",
                                         "File [%s], line %zu is longer than %zu characters; "
                                         "this is not a signal as text."};
inline constexpr Text kSignalNoData{
    "文件[%s]中没有数据行: 没有一行的第%d列和第%d列都是数。",
    "File [%s] has no data: no line has numbers in both column %d and column %d."};
// File, line, the text.
inline constexpr Text kSignalDecimalComma{
    "文件[%s]第%zu行的 \"%s\" 用逗号作小数点;请在导出的程序中改用小数点(.)后重试。",
    "File [%s], line %zu: \"%s\" has a decimal comma; export it with a decimal point (.) "
    "and try again."};
// File, line, column, the text.
inline constexpr Text kSignalNotANumber{"文件[%s]第%zu行第%d列 \"%s\" 不是一个数。",
                                        "File [%s], line %zu, column %d: \"%s\" is not a number."};
// File, line, its column count, the first data line, its column count.
inline constexpr Text kSignalRagged{
    "文件[%s]第%zu行有 %zu 列,而第%zu行(第一个数据行)有 %zu 列。",
    "File [%s], line %zu has %zu columns, but line %zu (the first data line) has %zu."};
// File, line, its time, the time before.
inline constexpr Text kSignalTimeBack{
    "文件[%s]第%zu行的时间 %s 小于上一行的 %s。",
    "File [%s], line %zu: the time %s is less than %s before it."};
// File, line, the time.
inline constexpr Text kSignalFirstTime{
    "文件[%s]第%zu行(第一个数据行)的时间是 %s,不是 0;图谱从进样(0)开始,平移时间会改变保留时间。",
    "File [%s], line %zu (the first data line) starts at %s, not 0; a chromatogram starts at "
    "the injection (0), and shifting the times would change every retention time."};
// File, line, the value, in µV.
inline constexpr Text kSignalValueRange{
    "文件[%s]第%zu行的值 %s 超出图谱能保存的范围(±2147483647 µV)。",
    "File [%s], line %zu: the value %s is beyond what a chromatogram holds (±2147483647 µV)."};
// File, the most.
inline constexpr Text kSignalTooManySamples{"文件[%s]给出的采样点超过 %zu 个。",
                                            "File [%s] makes more than %zu samples."};
// File, line, its time, the time an even step gives there.
inline constexpr Text kSignalUneven{
    "文件[%s]的时间间隔不均匀: 第%zu行的时间是 %s,均匀间隔应为 %s。",
    "File [%s] has uneven time steps: line %zu says %s where an even step gives %s."};
// File, the time step in seconds, the samples per second it makes.
inline constexpr Text kSignalRateNotWhole{
    "文件[%s]的时间间隔 %s 秒相当于每秒 %s 个采样点,不是整数。",
    "File [%s] has a time step of %s s, %s samples per second, which is not a whole number."};
// File, the data lines, the rates that fit.
inline constexpr Text kSignalRateAmbiguous{
    "文件[%s]只有 %zu 个数据行,按其时间的精度,每秒 %s 个采样点都符合。",
    "File [%s] has only %zu data lines; to the precision of its times, %s samples per second "
    "all fit."};
// File, the data lines, their time.
inline constexpr Text kSignalTimeStands{"文件[%s]的 %zu 个数据行时间都是 %s,看不出采样频率。",
                                        "File [%s]: all %zu data lines are at time %s, so they "
                                        "show no rate."};
inline constexpr Text kSignalOneRow{"文件[%s]只有一个数据行,看不出采样频率。",
                                    "File [%s] has a single data line, so it shows no rate."};
// Count, the largest change in µV.
inline constexpr Text kSignalRounded{"%zu 个值比 1 µV 更精细,已舍入到整微伏(最大改变 %s µV)。",
                                     "%zu values were finer than 1 µV and were rounded to whole "
                                     "µV (the largest change %s µV)."};
// Rows, rate, samples.
inline constexpr Text kSignalResampled{"%zu 行数据已按每秒 %d 个采样点线性插值为 %zu 个采样点。",
                                       "%zu data lines were resampled at %d per second by linear "
                                       "interpolation, making %zu samples."};

}  // namespace lx::texts
