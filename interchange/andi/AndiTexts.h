#pragma once
// Messages of the ANDI/AIA exchange, as the operator reads them, and the lines an import writes
// into the chromatogram's notes.

#include "core/Language.h"

namespace lx::texts {

// Path, then why the file is not one we read.
inline constexpr Text kAndiNotNetCdf{
    "文件[%s]不是 ANDI/AIA 色谱文件(netCDF 经典格式),无法读入!",
    "File [%s] is not an ANDI/AIA chromatography file (netCDF classic format) and cannot be "
    "read!"};
inline constexpr Text kAndiNetCdf4{
    "文件[%s]是 netCDF-4(HDF5)格式;只能读入 netCDF 经典格式或 64 位偏移格式的 ANDI/AIA 文件。"
    "请在原软件中按经典格式导出。",
    "File [%s] is netCDF-4 (HDF5); only ANDI/AIA files in the netCDF classic or 64-bit offset "
    "format can be read. Export it in the classic format from the program that made it."};
// Path, then the part of the file that is damaged.
inline constexpr Text kAndiDamaged{"文件[%s]已损坏或不完整(%s),无法读入!",
                                   "File [%s] is damaged or incomplete (%s) and cannot be read!"};
inline constexpr Text kAndiHeaderCut{"文件头不完整", "the header is cut short"};
inline constexpr Text kAndiHeaderWrong{"文件头格式错误", "the header makes no sense"};
// A count in the header.
inline constexpr Text kAndiCountTooLarge{"文件头中的数目 %llu 超出文件大小",
                                         "the header counts %llu items, more than the file holds"};
// Variable name.
inline constexpr Text kAndiDataPastEnd{"变量 %s 的数据超出文件末尾,文件可能被截断",
                                       "the data of %s lies past the end; the file was cut short"};
inline constexpr Text kAndiStreaming{"记录数未写入(文件写入时中断)",
                                     "no record count (writing it was interrupted)"};
// Path, variable or attribute name.
inline constexpr Text kAndiMissing{"文件[%s]中没有 %s,无法读入!",
                                   "File [%s] has no %s, so it cannot be read!"};
// Path, variable name, what it should be.
inline constexpr Text kAndiWrongShape{"文件[%s]中 %s 的类型或维数不对(应为%s),无法读入!",
                                      "In file [%s], %s has the wrong type or shape (it should be "
                                      "%s), so it cannot be read!"};
inline constexpr Text kAndiShapeNumber{"数值", "a number"};
inline constexpr Text kAndiShapeSeries{"一维数值数组", "a one-dimensional numeric array"};
inline constexpr Text kAndiShapeNames{"二维字符数组", "a two-dimensional char array"};
inline constexpr Text kAndiShapePerPeak{"每个峰一个值", "one value per peak"};
// Path, the unit as written.
inline constexpr Text kAndiRetentionUnit{
    "文件[%s]的时间单位\"%s\"无法识别(应为 seconds、minutes 或 milliseconds)。",
    "File [%s] gives its times in \"%s\", which is not seconds, minutes or milliseconds."};
inline constexpr Text kAndiNonUniform{
    "文件[%s]的采样间隔不均匀(uniform_sampling_flag = N),本工作站的图谱需要固定的采样频率,"
    "无法读入。",
    "File [%s] is not sampled at a fixed interval (uniform_sampling_flag = N); a chromatogram "
    "here needs a fixed rate, so it cannot be read."};
// Path, the interval in seconds.
inline constexpr Text kAndiBadInterval{
    "文件[%s]的采样间隔 %g 秒不合理,无法读入。",
    "File [%s] gives a sampling interval of %g s, which makes no sense; it cannot be read."};
// Path, the interval in seconds, the rate it makes.
inline constexpr Text kAndiRateNotWhole{
    "文件[%s]的采样间隔 %g 秒相当于每秒 %.6g 个采样点,不是 1 到 1000 之间的整数。"
    "用 --rate 指定频率可按线性插值重新采样。",
    "File [%s] is sampled every %g s, which is %.6g samples a second, not a whole number from 1 "
    "to 1000. Give --rate to resample it by linear interpolation."};
// Path, the number of samples resampling would make.
inline constexpr Text kAndiTooLong{
    "按此频率重新采样文件[%s]会得到 %.0f 个采样点,太多;请用较低的 --rate。",
    "Resampling file [%s] at that rate would make %.0f samples, too many; give a lower --rate."};
// Path, point number.
inline constexpr Text kAndiNotANumber{"文件[%s]的第 %zu 个采样值不是有限的数,无法读入。",
                                      "In file [%s], value %zu is not a finite number, so the "
                                      "file cannot be read."};
// Path, the variable wanted when the peak table is kept.
inline constexpr Text kAndiPeaksIncomplete{
    "文件[%s]的峰表缺少 %s,不能保留;不加 --keep-peaks 则按默认参数重新积分。",
    "The peak table of file [%s] has no %s, so it cannot be kept; without --keep-peaks the run "
    "is integrated with the default parameters."};
// Path, peak number from 1.
inline constexpr Text kAndiPeakOutside{
    "文件[%s]峰表中第 %zu 个峰的时间不在图谱范围内,不能保留峰表。",
    "In file [%s], peak %zu lies outside the run, so the peak table cannot be kept."};
inline constexpr Text kAndiNoMemory{"内存不足,文件[%s]未能读入。",
                                    "Out of memory; file [%s] was not read."};
// Path, the netCDF library's words.
inline constexpr Text kAndiLibraryFailed{"netCDF 库读写文件[%s]失败: %s",
                                         "The netCDF library failed on file [%s]: %s"};

// Lines an import adds to the notes, so nothing the record cannot hold is lost.
// Unit (or "?"), the factor.
inline constexpr Text kNoteScale{
    "ANDI 导入: 纵坐标单位 %s,乘以 %g 后取整为 uV。",
    "ANDI import: ordinate in %s, multiplied by %g and rounded to uV."};
inline constexpr Text kNoteUnknownUnit{"?", "?"};
// Seconds.
inline constexpr Text kNoteDelay{
    "ANDI 导入: 源文件在进样后 %g 秒开始采样;本图谱的时间从第一个采样点算起。",
    "ANDI import: the source starts %g s after injection; times here count from its first "
    "sample."};
// Rate of the source (samples a second), the new rate.
inline constexpr Text kNoteResampled{
    "ANDI 导入: 由每秒 %.6g 个采样点线性插值重新采样为每秒 %d 个。",
    "ANDI import: resampled by linear interpolation from %.6g to %d samples a second."};
// Peak numbers ("2, 5").
inline constexpr Text kNoteManual{"ANDI 导入: 源文件中峰 %s 为手动积分。",
                                  "ANDI import: peaks %s were integrated by hand in the source."};
// The amount unit.
inline constexpr Text kNoteAmountUnit{"ANDI 导入: 峰含量的单位为 %s。",
                                      "ANDI import: peak amounts are in %s."};
inline constexpr Text kNoteNoInjectionTime{
    "ANDI 导入: 源文件没有可读的进样时间,创建日期为导入时间。",
    "ANDI import: the source has no readable injection time; the creation date is the time of "
    "import."};

}  // namespace lx::texts
