#pragma once
// Messages of the command-line tool, in the program's language.

#include "core/Language.h"

namespace lx::cli::texts {

// Files.
inline constexpr Text kFileExists{
    "文件 %s 已存在,未覆盖;要覆盖它请加 --force。",
    "%s already exists and was left alone; add --force to replace it."};
inline constexpr Text kForceHelp{"覆盖已存在的输出文件", "replace an output file that exists"};
inline constexpr Text kSaved{"已保存: %s", "Saved: %s"};
inline constexpr Text kWriteFailed{"写入 %s 失败!", "Writing %s failed!"};

// Checks of what the user typed: option, value (and the allowed range).
inline constexpr Text kNotANumber{"选项 %s 的值 \"%s\" 不是一个数。",
                                  "Option %s: \"%s\" is not a number."};
inline constexpr Text kNotAWholeNumber{"选项 %s 的值 \"%s\" 不是整数。",
                                       "Option %s: \"%s\" is not a whole number."};
inline constexpr Text kOutOfRange{"选项 %s 的值 %s 超出范围,允许 %s。",
                                  "Option %s: %s is out of range; allowed: %s."};
// The tool and its own options.
inline constexpr Text kToolDescription{"LX6600 色谱工作站 命令行工具",
                                       "LX6600 chromatography workstation, command line"};
inline constexpr Text kVersionHelp{"显示版本并退出", "show the version and exit"};
inline constexpr Text kHomeHelp{"应用目录(默认: $LX6600_HOME, 否则 ~/LX6600)",
                                "application directory (default: $LX6600_HOME, else ~/LX6600)"};
inline constexpr Text kLangHelp{
    "界面语言: en 英文, zh 中文(默认按 LANG/LC_MESSAGES)",
    "language: en English, zh Chinese (default: from LANG/LC_MESSAGES)"};
inline constexpr Text kFolderType{"目录", "DIR"};
inline constexpr Text kHelpJsonHelp{"显示 JSON 输出中每个键的含义和单位",
                                    "document every key of the JSON output, with its unit"};
// The system's reason.
inline constexpr Text kOutputFailed{"输出未能全部写出!(%s)",
                                    "The output could not all be written! (%s)"};
inline constexpr Text kReasonUnknownOutput{"写入被拒绝", "the writes were refused"};
inline constexpr Text kOutOfMemory{"内存不足,操作未完成。请关闭其他程序或处理较小的数据后重试。",
                                   "Out of memory; the operation was not completed. Close other "
                                   "programs or work on less data, then try again."};
inline constexpr Text kInternalError{"内部错误: %s", "Internal error: %s"};

// --help headings.
inline constexpr Text kHelpUsage{"用法", "Usage"};
inline constexpr Text kHelpOptions{"选项", "Options"};
inline constexpr Text kHelpOptionsWord{"选项", "OPTIONS"};
inline constexpr Text kHelpCommandWord{"命令", "COMMAND"};
inline constexpr Text kHelpCommands{"命令", "Commands"};
inline constexpr Text kHelpArguments{"参数", "Arguments"};
inline constexpr Text kHelpRequired{"(必需)", "(required)"};
inline constexpr Text kHelpExcludes{"不可与之同用", "Excludes"};
inline constexpr Text kHelpNeeds{"需要", "Needs"};
inline constexpr Text kHelpText{"文本", "TEXT"};
inline constexpr Text kHelpHelp{"显示帮助并退出", "show this help and exit"};
inline constexpr Text kSeeHelp{"用 --help 查看用法。", "See --help for how to use it."};

// The parser's complaints, reworded: names of options or words.
inline constexpr Text kRequired{"缺少 %s。", "%s is required."};
inline constexpr Text kCommandRequired{"请给出一个命令。", "A command is required."};
inline constexpr Text kExcludes{"%s 与 %s 不能同时使用。", "%s and %s cannot be used together."};
inline constexpr Text kBadCommandLine{"命令行有误: %s", "Invalid command line: %s"};

// Words of the command line that have no place: the word (and what exists there).
inline constexpr Text kUnknownCommand{"未知的命令 \"%s\"。可用的命令: %s。",
                                      "Unknown command \"%s\". Commands: %s."};
inline constexpr Text kUnknownOption{"未知的选项 %s。", "Unknown option %s."};
inline constexpr Text kMissingValue{"选项 %s 缺少取值。", "Option %s needs a value."};
inline constexpr Text kUnexpectedWord{"多余的参数 \"%s\"。", "Unexpected argument \"%s\"."};
// Appended: the nearest name.
inline constexpr Text kDidYouMean{" 您是不是要输入 %s?", " Did you mean %s?"};
// Appended to the help of an option with a default.
inline constexpr Text kDefaultIs{",默认 %s", ", default %s"};

// Event text, marked index, selected peak (from 1).
inline constexpr Text kEditRejected{"手动积分事件[%s]不能用于此处(x=%d, 峰=%d),图谱未改变!",
                                    "The manual integration event [%s] does not fit here (x=%d, "
                                    "peak=%d); the chromatogram is unchanged!"};
inline constexpr Text kNoSuchEventRow{"没有第%d个手动积分事件!",
                                      "There is no manual integration event %d!"};
// File, event rows from 1 ("2,5").
inline constexpr Text kEventsRefused{
    "图谱[%s]的手动积分事件[%s]已不适用于当前峰表,未执行。",
    "In [%s], the manual integration events [%s] no longer fit the peak table and were skipped."};

// What the project commands refuse.
inline constexpr Text kNoSuchRecord{"文件记录 <%s> 不存在!", "There is no file record <%s>!"};
inline constexpr Text kNoSuchComponent{"组份ID[%d]不存在!", "There is no component with ID [%d]!"};
inline constexpr Text kNotAnInternalStandard{"组份ID[%d]不是内标物!",
                                             "Component [%d] is not an internal standard!"};
inline constexpr Text kNoSuchLevel{"第%d点不存在!", "There is no level %d!"};
inline constexpr Text kNoSuchPeak{"峰[%d]不存在!", "There is no peak [%d]!"};
inline constexpr Text kNotFingerprint{
    "项目不是指纹图谱法,不能设置参照内标!",
    "The project is not a fingerprint project; it has no reference internal standard!"};
// Quantitation that cannot be right stops integrate --project (unless --force).
inline constexpr Text kNoMethod{
    "项目[%s]没有选择定量方法,结果不可信。用 project new --method 建立项目,或加 --force 照样计算。",
    "The project [%s] has no quantitation method, so no content can be right. "
    "Create it with project new --method, or add --force to go on anyway."};
inline constexpr Text kNoIdentMode{
    "项目[%s]没有选择定性方式,结果不可信。用 project new --ident 建立项目,或加 --force 照样计算。",
    "The project [%s] has no identification mode, so no peak is identified. "
    "Create it with project new --ident, or add --force to go on anyway."};
// Component, level.
inline constexpr Text kZeroLevelConcentration{
    "组份[%s]第%d点浓度为零,校正不可信。用 project component ... concentration 设置它,或加 --force "
    "照样计算。",
    "Component [%s] has concentration 0 at level %d, so the calibration cannot be right. Set it "
    "with "
    "project component ... concentration, or add --force to go on anyway."};
// Component, file.
inline constexpr Text kComponentNotFound{
    "标准图谱[%2$s]中未找到组份[%1$s],校正不可信。检查组份的保留时间和时间间隔,或加 --force "
    "照样计算。",
    "Component [%1$s] was not found in the standard [%2$s], so the calibration cannot be right. "
    "Check the component's retention time and window, or add --force to go on anyway."};
inline constexpr Text kSeeMessageAbove{
    "项目校正不可信,样品未定量;改正后重试,或加 --force 照样计算。",
    "The project's calibration cannot be right, so nothing was quantified; correct it and try "
    "again, or add --force to go on anyway."};
inline constexpr Text kStandardsCannotCalibrate{
    "处理这些标样后项目仍不能校正;改正后重试,或加 --force 照样计算。",
    "After these standards the project still cannot calibrate; correct it and try again, or add "
    "--force to go on anyway."};
inline constexpr Text kQuantifyForceHelp{"覆盖已存在的输出文件;项目定量有问题时也照样计算",
                                         "replace an output file that exists; quantify even when "
                                         "the project cannot give right contents"};
// An unknown name for a choice: option, value, the choices.
inline constexpr Text kNotAChoice{"选项 %s 的值 \"%s\" 不是可选项之一: %s。",
                                  "Option %s: \"%s\" is not one of: %s."};

// project and component.
inline constexpr Text kProjectHelp{"分析方法项目: 文件、校正点、校正",
                                   "Method projects: files, levels, calibration"};
inline constexpr Text kProjectNewHelp{
    "在应用目录下建立方法项目 NAME/NAME.Tzp",
    "Create a method project NAME/NAME.Tzp under the application directory"};
inline constexpr Text kMethodNameHelp{"方法名称", "method name"};
inline constexpr Text kMethodHelp{"定量方法", "quantitation method"};
inline constexpr Text kBasisHelp{"响应值", "response basis"};
inline constexpr Text kIdentHelp{"定性方式", "identification"};
inline constexpr Text kLeftOut{"不给出: -1, 不定量", "left out: -1, nothing"};
inline constexpr Text kOperatorHelp{"试验员", "operator"};
inline constexpr Text kSampleNameHelp{"样品名称", "sample name"};
inline constexpr Text kOrganizationHelp{"实验单位", "laboratory"};
inline constexpr Text kInfoHelp{"项目信息", "project information"};
inline constexpr Text kDirHelp{"在这里建立项目文件夹(代替应用目录)",
                               "create the project folder here instead"};
inline constexpr Text kShowHelp{
    "显示方法项目: 项目树、组份表、校正设置",
    "Print a method project: tree, component table, calibration settings"};
inline constexpr Text kShowJsonHelp{
    "全部字段为 JSON,键为项目的字段名(见 --help-json)",
    "every field as JSON, keyed by the project's field names (see --help-json)"};
inline constexpr Text kShowAllHelp{"也列出每个字段", "also list every field"};
inline constexpr Text kShowRawHelp{
    "也给出占位字段(原样保存,含义未知)",
    "include the placeholder fields (stored unchanged, meaning unknown)"};
inline constexpr Text kProjectFileHelp{"方法项目(.Tzp)", "method project (.Tzp)"};
inline constexpr Text kAddStandardHelp{"把图谱加为最新校正点的标样",
                                       "Add a chromatogram as a standard of the newest level"};
inline constexpr Text kAddSampleHelp{"把图谱加为样品", "Add a chromatogram as a sample"};
inline constexpr Text kRemoveHelp{"删除图谱的文件记录", "Remove the record of a chromatogram"};
inline constexpr Text kRemoveAllHelp{"删除全部标样或全部样品的记录",
                                     "Remove every standard or every sample record"};
inline constexpr Text kWhichHelp{"standards 标样, samples 样品", "standards or samples"};
inline constexpr Text kSetLevelHelp{"把标样移到另一个校正点",
                                    "Move a standard to another calibration level"};
inline constexpr Text kLevelHelp{"校正点,从 1 起;超过点数时新增一点",
                                 "calibration level, from 1; above the count adds a level"};
inline constexpr Text kCalibrateHelp{"按标样记录重新校正",
                                     "Recalibrate from the standards' records"};
inline constexpr Text kReferenceHelp{
    "把一个峰设为参照内标(指纹图谱法)",
    "Make a peak the reference internal standard (fingerprint projects)"};
inline constexpr Text kStandardFileHelp{"项目的一个标准图谱",
                                        "a standard chromatogram of the project"};
inline constexpr Text kPeakNumberHelp{"峰号,从 1 起", "the peak, from 1"};
inline constexpr Text kReferenceAllHelp{"用于项目的每个标样", "for every standard of the project"};
inline constexpr Text kReferenceTimeHelp{"保留时间(默认: 峰的保留时间,3 位小数)",
                                         "retention time (default: the peak's, 3 decimals)"};
inline constexpr Text kReferenceWindowHelp{"时间间隔(默认 0.01)", "time window (default 0.01)"};
inline constexpr Text kChromatogramPathHelp{"图谱文件的路径", "the chromatogram's path"};
inline constexpr Text kComponentHelp{"编辑组份表", "Edit the component table"};
inline constexpr Text kComponentAddHelp{"增加组份,打印其 ID", "Add a component; prints its ID"};
inline constexpr Text kComponentNameHelp{"组份名", "component name"};
inline constexpr Text kRetentionTimeHelp{"保留时间", "retention time"};
inline constexpr Text kWindowHelp{"定性时间间隔", "identification window"};
inline constexpr Text kInternalStandardHelp{"此组份是内标物",
                                            "the component is an internal standard"};
inline constexpr Text kReferenceIdHelp{"其内标物的 ID", "ID of its internal standard"};
inline constexpr Text kComponentRemoveHelp{"删除组份", "Remove a component"};
inline constexpr Text kComponentIdHelp{"组份 ID(project show 的 ID 列)",
                                       "component ID (the ID column of project show)"};
inline constexpr Text kConcentrationHelp{"设置某一校正点的浓度", "Set a level's concentration"};
inline constexpr Text kValueHelp{"浓度", "concentration"};
inline constexpr Text kCurveHelp{"立即重新拟合: 0 过原点直线, 1 一般直线",
                                 "Refit at once: 0 through the origin, 1 a general line"};
inline constexpr Text kCurveTypeHelp{"0 过原点直线, 1 一般直线",
                                     "0 through the origin, 1 general line"};
inline constexpr Text kYesHelp{"对程序的提问回答“是”", "answer Yes to the program's questions"};
inline constexpr Text kNoHelp{"对程序的提问回答“否”(默认)",
                              "answer No to the program's questions (the default)"};
inline constexpr Text kIdColumn{"ID", "ID"};

// process and export.
inline constexpr Text kProcessHelp{
    "由图谱生成新图谱(并积分),或平移基线",
    "Make a chromatogram from others (integrated), or shift one's baseline"};
inline constexpr Text kFlipHelp{"以第一个采样点为轴翻转", "Mirror about the first sample"};
inline constexpr Text kSmoothHelp{"滑动平均平滑", "Moving-average smoothing"};
inline constexpr Text kDerivativeHelp{"一阶导数(µV/s)", "First derivative, µV/s"};
inline constexpr Text kAddHelp{"相加: IN - IN[0] + OTHER", "Add: IN - IN[0] + OTHER"};
inline constexpr Text kSubtractHelp{"相减: IN - OTHER + IN[0]", "Subtract: IN - OTHER + IN[0]"};
inline constexpr Text kShiftHelp{"平移基线(写到 OUT,或加 --in-place 写回 IN)",
                                 "Shift the baseline (to OUT, or back over IN with --in-place)"};
inline constexpr Text kInHelp{"图谱文件(.Tzd)", "chromatogram file (.Tzd)"};
inline constexpr Text kOtherHelp{"图谱 2,按采样点序号配对",
                                 "chromatogram 2, paired by sample index"};
inline constexpr Text kOutHelp{
    "结果写到这里(默认: 在 IN 旁,按命令命名)",
    "where the result goes (default: beside IN, named after the command)"};
inline constexpr Text kShiftOutHelp{"结果写到这里", "where the shifted chromatogram goes"};
inline constexpr Text kInPlaceHelp{"写回输入文件", "write the result back over the input file"};
inline constexpr Text kWidthHelp{"平滑间隔", "smoothing interval"};
inline constexpr Text kMvHelp{"从每个采样点减去的值", "subtracted from every sample"};
inline constexpr Text kAutoZeroHelp{"减去第一个采样点的值(自动零基线)",
                                    "subtract the first sample (automatic zero baseline)"};
inline constexpr Text kShiftNeedsAmount{"shift 需要 --mv 或 --auto-zero。",
                                        "shift needs --mv or --auto-zero."};
inline constexpr Text kShiftNeedsTarget{"shift 需要 OUT,或用 --in-place 写回 IN。",
                                        "shift needs OUT, or --in-place to write back over IN."};
inline constexpr Text kShiftNothing{"平移量为 0,图谱未改变。", "A shift of 0 changes nothing."};
inline constexpr Text kExportHelp{"把图谱的采样点写成文本,或把图谱画成图片(PNG, BMP)",
                                  "Write a chromatogram's samples as text, or its plot as a "
                                  "picture (PNG, BMP)"};
inline constexpr Text kTextHelp{"每个采样点一行: 分钟, 数值(- 为标准输出)",
                                "one line per sample: minutes, value (- for standard output)"};
inline constexpr Text kPngHelp{"把图谱画成 PNG 图片(- 为标准输出)",
                               "draw the plot as a PNG picture (- for standard output)"};
inline constexpr Text kBmpHelp{"把图谱画成 BMP 位图, 24 位不压缩(- 为标准输出)",
                               "draw the plot as a BMP bitmap, 24-bit uncompressed "
                               "(- for standard output)"};
inline constexpr Text kRtfHelp{
    "把分析报告写成报告文件(.Tze, RTF 格式, 文字处理软件可以打开), 含图谱",
    "write the analysis report as a report file (.Tze, rich text a word processor opens), "
    "picture included"};
inline constexpr Text kSizeHelp{"图片的宽x高, 像素, 各 100 到 3000(默认: 1200x800)",
                                "picture width x height in pixels, each 100 to 3000 "
                                "(default: 1200x800)"};
inline constexpr Text kTimeRangeHelp{"时间范围 起:止, 分钟(默认: 整个图谱)",
                                     "time range FROM:TO in minutes (default: the whole run)"};
inline constexpr Text kSignalRangeHelp{
    "信号范围 下:上, mV(默认: 最小采样值 - 0.1 到最大采样值 + 0.1)",
    "signal range LOW:HIGH in mV (default: the smallest sample - 0.1 to the largest + 0.1)"};
inline constexpr Text kExportNeedsOne{
    "export 需要 --text、--png、--bmp、--rtf 或 --andi 之一。",
    "export needs one of --text, --png, --bmp, --rtf and --andi."};
inline constexpr Text kBadSize{
    "选项 --size 的值 \"%s\" 应为 宽x高, 各为 100 到 3000 的整数。",
    "Option --size: \"%s\" should be WIDTHxHEIGHT, whole numbers from 100 to 3000."};
inline constexpr Text kBadTimeRange{
    "选项 --time 的值 \"%s\" 应为 起:止(分钟), 0 ≤ 起 < 止 ≤ 1000000。",
    "Option --time: \"%s\" should be FROM:TO in minutes, 0 ≤ FROM < TO ≤ 1000000."};
inline constexpr Text kBadSignalRange{
    "选项 --signal 的值 \"%s\" 应为 下:上(mV), -2500 ≤ 下 < 上 ≤ 2500。",
    "Option --signal: \"%s\" should be LOW:HIGH in mV, -2500 ≤ LOW < HIGH ≤ 2500."};
inline constexpr Text kOutputIsInput{"%s 是输入文件, 不会被覆盖; 请另给一个输出文件。",
                                     "%s is the input file and is never written over; "
                                     "name another output file."};
inline constexpr Text kSamplesUnit{"采样点", "samples"};

// ANDI/AIA files: export --andi and import-andi.
inline constexpr Text kAndiExportHelp{
    "写成 ANDI/AIA 色谱文件(.cdf, netCDF 经典格式), 含峰表, 供其他色谱软件读入",
    "write an ANDI/AIA chromatography file (.cdf, netCDF classic) with the peak table, for "
    "other chromatography programs"};
inline constexpr Text kImportAndiHelp{
    "把其他系统的 ANDI/AIA 色谱文件(.cdf)读成图谱, 按默认参数积分(或保留其峰表)",
    "Make a chromatogram of another system's ANDI/AIA chromatography file (.cdf), integrated "
    "with the default parameters (or keeping its peak table)"};
inline constexpr Text kAndiInHelp{"ANDI/AIA 文件(netCDF 经典或 64 位偏移格式)",
                                  "the ANDI/AIA file (netCDF classic or 64-bit offset)"};
inline constexpr Text kAndiOutHelp{"要写的图谱文件(.Tzd)", "the chromatogram file to write (.Tzd)"};
inline constexpr Text kKeepPeaksHelp{"保留文件中的峰表, 不重新积分",
                                     "keep the file's peak table instead of integrating"};
inline constexpr Text kAndiRateHelp{
    "按此频率线性插值重新采样(文件的采样间隔不是整数频率时必需)",
    "resample at this rate by linear interpolation (needed when the file's interval is not a "
    "whole number of samples a second)"};

// edit and events.
inline constexpr Text kEditHelp{"像分析视图一样做一个手动积分事件,并记录它",
                                "Apply a manual integration event as the view does, and record it"};
inline constexpr Text kEventTypeHelp{
    "1 起点, 2 顶点, 3 止点, 4 斜切, 5 纵切, 6 后切, 7 前切, 8 强制基线, 9 增加峰, 11 删除峰, 12 "
    "负峰",
    "1 start, 2 apex, 3 end, 4 oblique, 5 drop, 6 rear tangent, 7 front tangent, 8 forced "
    "baseline, 9 add, 11 delete, 12 negative"};
inline constexpr Text kMarkedIndexHelp{"在图上标记的采样点序号(从 0 起)",
                                       "sample index marked in the plot (from 0)"};
inline constexpr Text kSelectedPeakHelp{"所选的峰,从 1 起(同峰表的峰号)",
                                        "the selected peak, from 1 (its number in the peak table)"};
inline constexpr Text kSpanEndHelp{"标记区间的终点(增加峰时)",
                                   "end of the marked span (adding a peak)"};
inline constexpr Text kSaveEditedHelp{"把修改后的图谱写到这里",
                                      "write the edited chromatogram here"};
inline constexpr Text kEditJsonHelp{"峰表为 JSON,同 integrate --json",
                                    "the peak table as JSON, as integrate --json gives it"};
inline constexpr Text kEventsHelp{"列出手动积分事件,或删减它们",
                                  "List the manual integration events, or prune them"};
inline constexpr Text kDeleteRowHelp{
    "删除这一行(从 1 起),其后事件的峰号随之调整",
    "remove this row (from 1), keeping later peak references true"};
inline constexpr Text kClearEventsHelp{"删除全部事件", "remove every event"};
inline constexpr Text kSavePrunedHelp{"把删减后的图谱写到这里",
                                      "write the chromatogram with the pruned list here"};
// Row number, event text, type, marked index, peak (from 1), minutes.
inline constexpr Text kEventRow{"%4s  %-12s 类型 %2d  x %7d  峰 %4d  %8.3f 分\n",
                                "%4s  %-12s type %2d  x %7d  peak %4d  %8.3f min\n"};

// decode.
inline constexpr Text kDecodeHelp{
    "把截获的检测器字节流按工作站的方式解码,列出每个通道得到的值",
    "Decode a captured detector byte stream as the workstation does: the values each channel gets"};
inline constexpr Text kCaptureHelp{
    "截获的字节流文件(例如用 socat 记录的串口数据)",
    "the captured bytes (for example a serial line recorded with socat)"};
inline constexpr Text kFrequencyHelp{"采样频率: 10 或 20", "sampling frequency: 10 or 20"};
inline constexpr Text kHoldHelp{
    "量程切换时保持的点数 N(0 为丢弃切换点)",
    "values held to bridge a range switch, N (0 drops the switching value)"};
inline constexpr Text kDecodeJsonHelp{
    "JSON: {\"schema\", \"A\": [[值, 启动], ...], \"B\": [...]}",
    "JSON: {\"schema\", \"A\": [[value, start], ...], \"B\": [...]}"};
inline constexpr Text kStartMark{"  启动", "  start"};

// detector-sim.
inline constexpr Text kSimulatorHelp{
    "模拟检测器: 把图谱或演示信号写成检测器的数据帧",
    "Simulate the detector: write a chromatogram or demo signal as its data frames"};
inline constexpr Text kSimulatorFromHelp{
    "要发送的值: 色谱图文件(.Tzd)或演示信号文件(TzDemo)",
    "the values to send: a chromatogram (.Tzd) or a demo signal (TzDemo)"};
inline constexpr Text kSimulatorOutHelp{"把数据帧写到这个文件", "write the frames to this file"};
inline constexpr Text kSimulatorDeviceHelp{"把数据帧写到这个串口设备",
                                           "write the frames to this serial device"};
inline constexpr Text kSimulatorPtyHelp{
    "打开一个伪终端,打印其路径,把数据帧写到那里(Ctrl-C 结束)",
    "open a pseudo-terminal, print its path and write the frames there (Ctrl-C ends)"};
inline constexpr Text kSimulatorChannelHelp{"通道: A, B 或 both(默认)",
                                            "channel: A, B or both (the default)"};
inline constexpr Text kSimulatorRangeHelp{"量程代码 E1(2.5 V,默认)至 E7(39 mV)",
                                          "range code E1 (2.5 V, the default) to E7 (39 mV)"};
inline constexpr Text kStartSignalHelp{"从这一时刻起带启动信号",
                                       "send the start signal from this time on"};
inline constexpr Text kRealtimeHelp{"按检测器的速度发送(每通道每秒 20 个值)",
                                    "send at the detector's pace (20 values a second per channel)"};
inline constexpr Text kSimulatorTarget{"请给出 --out、--device 或 --pty 中的一个。",
                                       "Give one of --out, --device or --pty."};
inline constexpr Text kSimulatorCannotWrite{"无法写入 %s (%s)", "Cannot write to %s (%s)"};
inline constexpr Text kSimulatorDone{"数据帧已全部发出;按 Ctrl-C 结束。",
                                     "All frames are sent; press Ctrl-C to end."};

// table.
inline constexpr Text kTableHelp{
    "色谱图的分析结果表: 分析窗口(screen)、打印报告(print)或拷贝数据(text)的样子",
    "A chromatogram's result table as the analysis window (screen), the report (print) or the "
    "clipboard (text) has it"};
inline constexpr Text kTableFileHelp{"色谱图文件(.Tzd)", "the chromatogram (.Tzd)"};
inline constexpr Text kTableProjectHelp{
    "按这个分析方法项目(.Tzp)识别、定量后再列表(不保存)",
    "identify and quantify by this method project (.Tzp) first (nothing is saved)"};
inline constexpr Text kTableFormHelp{
    "screen(默认): 屏幕的列; print: 图谱打印设置中的列; text: 拷贝数据的制表符文本",
    "screen (the default): the window's columns; print: the report's columns; text: the "
    "clipboard's tab-separated text"};
inline constexpr Text kTableAllHelp{"列出所有峰(默认只列含量大于零的峰)",
                                    "list every peak (by default only peaks of positive content)"};
inline constexpr Text kTableEnglishHelp{"英文表头(打印表)", "English headers (print form)"};

// report.
inline constexpr Text kReportHelp{
    "色谱图的分析报告,写成 PDF 文件(按图谱的打印设置)",
    "A chromatogram's analysis report as a PDF file (by the chromatogram's print settings)"};
inline constexpr Text kReportFilesHelp{
    "色谱图文件(.Tzd); 几个文件时叠加在一张图中, 并逐个列出分析结果",
    "the chromatogram (.Tzd); several are overlaid in one picture and their results listed "
    "one after another"};
inline constexpr Text kReportPdfHelp{"要写的 PDF 文件", "the PDF file to write"};
inline constexpr Text kReportEnglishHelp{"英文报告(否则按打印设置)",
                                         "an English report (otherwise as the print settings say)"};
inline constexpr Text kReportSimpleHelp{
    "1 简易格式, 0 完整格式(默认按打印设置)",
    "1 the simple layout, 0 the full one (default: the print settings')"};

// acquire, recover.
inline constexpr Text kAcquireHelp{
    "采集一次运行: 从演示信号或检测器记录, 积分、定量、命名保存, 并打印结果",
    "Record one run from the demo signal or the detector; integrate, quantify, name and save it"};
inline constexpr Text kAcquireDemoHelp{"用演示信号 TzDemo(默认)",
                                       "record the demo signal TzDemo (the default)"};
inline constexpr Text kAcquireDeviceHelp{"检测器所接的串口设备,例如 /dev/ttyUSB0",
                                         "the serial device the detector is on, e.g. /dev/ttyUSB0"};
inline constexpr Text kAcquireChannelHelp{"通道: A(默认)或 B", "channel: A (the default) or B"};
inline constexpr Text kAcquireMinutesHelp{"采样时间(默认: 通道设置的采样时间)",
                                          "run length (default: the channel set-up's)"};
inline constexpr Text kAcquireProjectHelp{
    "用这个分析方法项目(.Tzp)采集,并把图谱加入它",
    "record with this method project (.Tzp) and file the run in it"};
inline constexpr Text kAcquireKindHelp{"standard(标准品)或 sample(样品,默认)",
                                       "standard or sample (the default)"};
inline constexpr Text kAcquireFolderHelp{
    "数据文件夹(相对应用目录,默认 Data);其中的 SetupCha/SetupChb 给出通道参数",
    "data folder (under the application directory; default Data); its SetupCha/SetupChb set the "
    "channel"};
inline constexpr Text kAcquireRealtimeHelp{
    "演示信号按真实速度播放(默认用模拟时钟,十分钟的运行一瞬间完成)",
    "play the demo signal in real time (by default a simulated clock records ten minutes at once)"};
inline constexpr Text kAcquireWaitStartHelp{"等检测器的启动信号再开始采样",
                                            "start the run at the detector's start signal"};
inline constexpr Text kAcquireBaselineHelp{
    "从每个值中扣除这个基线图谱(.Tzd)",
    "subtract this baseline chromatogram (.Tzd) from the values"};
inline constexpr Text kAcquireOneSource{"--demo 和 --device 只能给一个。",
                                        "Give --demo or --device, not both."};
inline constexpr Text kAcquireProgress{"\r已采集 %.2f 分, 当前 %d uV   ",
                                       "\rRecorded %.2f min, now %d uV   "};
inline constexpr Text kWaitingForStart{"等待检测器的启动信号…(Ctrl-C 结束)",
                                       "Waiting for the detector's start signal… (Ctrl-C ends)"};
inline constexpr Text kNoRunRecorded{"没有开始采样,没有保存任何文件。",
                                     "No run was started; nothing was saved."};
inline constexpr Text kRunNotSaved{
    "图谱没有保存;它的采样记录仍在 %s 中,可用 lx6600-cli recover %s 恢复。",
    "The run was not saved; its journal stays in %s: lx6600-cli recover %s brings it back."};
inline constexpr Text kUnfinishedRunFound{
    "发现未完成的采样记录 %s;可用 lx6600-cli recover %s 恢复。",
    "An unfinished run's journal is left: %s; lx6600-cli recover %s brings it back."};
inline constexpr Text kRecoverHelp{
    "恢复程序意外中止时未完成的采样(文件夹中的 .journal 采样记录),保存为图谱",
    "Save the runs a crash interrupted (the .journal files of a folder) as chromatograms"};
inline constexpr Text kRecoverDirHelp{"要查找的文件夹(及其下几层),或一个采样记录文件",
                                      "the folder to search (a few levels deep), or one journal"};
inline constexpr Text kNoJournals{"%s 中没有未完成的采样记录。",
                                  "There is no unfinished run in %s."};
// The peak table.
inline constexpr Text kPeakCount{" (%zu 个峰)", " (%zu peaks)"};
inline constexpr Text kColPeak{"峰号", "No."};
inline constexpr Text kColTime{"保留时间/分", "Time/min"};
inline constexpr Text kColArea{"面积", "Area"};
inline constexpr Text kColHeight{"峰高/µV", "Height/µV"};
inline constexpr Text kColAreaPercent{"面积%", "Area%"};
inline constexpr Text kColHalfWidth{"半峰宽/分", "HalfW/min"};
inline constexpr Text kColTailing{"拖尾因子", "Tailing"};
inline constexpr Text kColPlates{"理论塔板", "Plates"};
inline constexpr Text kColResolution{"分离度", "Resol."};
inline constexpr Text kColFlags{"标志", "Flags"};
inline constexpr Text kColContent{"含量", "Content"};
inline constexpr Text kColComponent{"组份名", "Component"};

// integrate and synth.
inline constexpr Text kIntegrateHelp{
    "按图谱自身的参数积分,并打印峰表",
    "Integrate chromatograms with their own parameters and print the peak tables"};
inline constexpr Text kIntegrateFilesHelp{"图谱文件(.Tzd)", "chromatogram files (.Tzd)"};
inline constexpr Text kIntegrateJsonHelp{
    "JSON Lines: 每个文件一行 {\"schema\", \"file\", \"m_Peaks\"}(键见 --help-json)",
    "JSON Lines: one line per file, {\"schema\", \"file\", \"m_Peaks\"} (keys: --help-json)"};
inline constexpr Text kJsonArrayHelp{"同 --json,但输出一个 JSON 数组",
                                     "as --json, but one JSON array"};
inline constexpr Text kRawPeaksHelp{
    "JSON 中也给出占位字段(m_Aux, m_Spare, m_Extra1-8)",
    "also the placeholder fields in the JSON (m_Aux, m_Spare, m_Extra1-8)"};
inline constexpr Text kIntegrateSaveHelp{"把积分后的图谱写到这里(只一个输入文件)",
                                         "write the integrated chromatogram here (one input file)"};
inline constexpr Text kIntegrateInPlaceHelp{
    "把每个积分后的图谱写回原文件", "write each integrated chromatogram back over its file"};
inline constexpr Text kSaveTakesOneFile{"--save 只能用于一个输入文件。",
                                        "--save takes one input file."};
inline constexpr Text kHalfWidthHelp{
    "半峰宽: 检测器的采样束大小(默认: 文件自身的值)",
    "half width: bunch size of the detector (default: the file's own)"};
inline constexpr Text kSlopeHelp{
    "斜率灵敏度,阈值 = 斜率 x 0.1 µV/束(默认: 文件自身的值)",
    "slope sensitivity, threshold = slope x 0.1 µV per bunch (default: the file's own)"};
inline constexpr Text kMinAreaHelp{
    "面积不大于此值的峰被去掉(默认: 文件自身的值)",
    "peaks of this area or less are dropped (default: the file's own)"};
inline constexpr Text kMinHeightHelp{
    "峰高不大于此值的峰被去掉(默认: 文件自身的值)",
    "peaks of this height or less are dropped (default: the file's own)"};
inline constexpr Text kTimeDoublingHelp{
    "此后采样束加倍的时间,0 为不加倍(默认: 文件自身的值)",
    "time after which the bunch doubles, 0 never (default: the file's own)"};
inline constexpr Text kHeightRatioHelp{
    "融合峰高度比超过此值时小峰为肩峰(默认: 文件自身的值)",
    "height ratio above which a fused peak is a rider (default: the file's own)"};
inline constexpr Text kLockTimeHelp{
    "从进样起不积分的时间(默认: 文件自身的值)",
    "time from injection without integration (default: the file's own)"};
inline constexpr Text kUseTimeProgramHelp{
    "1 使用时间程序, 0 不使用(默认: 文件自身的值)",
    "1 use the time program, 0 do not (default: the file's own)"};
inline constexpr Text kIntegrateProjectHelp{
    "用此分析项目定性定量;项目的标样更新其记录、重新校正并保存项目",
    "identify and quantify with this method project; a standard of it updates its record, "
    "recalibrates and saves the project"};
inline constexpr Text kSynthHelp{"写一个合成图谱(已积分),用来试验方法",
                                 "Write a synthetic chromatogram (integrated) to try methods on"};
inline constexpr Text kSynthOutHelp{"要写的图谱文件(.Tzd)",
                                    "the chromatogram file to write (.Tzd)"};
inline constexpr Text kSeedHelp{"随机种子: 相同的种子给出相同的采样点",
                                "random seed: the same seed gives the same samples"};
inline constexpr Text kRunLengthHelp{"运行时间", "run length"};
inline constexpr Text kRateHelp{"采样频率", "sampling rate"};
inline constexpr Text kSpacingHelp{"峰与峰之间的平均间隔", "mean spacing of the peaks"};
inline constexpr Text kNoiseHelp{"基线噪声(标准差)", "baseline noise (standard deviation)"};
inline constexpr Text kDriftHelp{"基线漂移", "baseline drift"};
inline constexpr Text kPeakHelp{
    "给定的高斯峰(分钟:高度 µV[:宽度 秒]),代替随机峰,可重复",
    "a Gaussian peak (minutes:height in µV[:sigma in s]) instead of random ones; repeatable"};
inline constexpr Text kScaleHelp{"给定峰的高度乘以此值",
                                 "multiplies the heights of the given peaks"};
inline constexpr Text kBadPeak{
    "选项 --peak 的值 \"%s\" 应为 分钟:高度[:宽度],分钟 ≥ 0,宽度 > 0。",
    "Option --peak: \"%s\" should be MIN:HEIGHT[:SIGMA], minutes ≥ 0, sigma > 0."};
inline constexpr Text kMinutesUnit{"分钟", "min"};
inline constexpr Text kPerSecondUnit{"次/秒", "per s"};

// dump, save, new.
inline constexpr Text kDumpHelp{"显示色谱图文件的每个字段",
                                "Print every field of a chromatogram file"};
inline constexpr Text kDumpFileHelp{"色谱图文件(.Tzd)或通道设置文件",
                                    "chromatogram (.Tzd) or channel set-up file"};
inline constexpr Text kDumpJsonHelp{"JSON,键为记录的字段名(见 --help-json)",
                                    "JSON keyed by the records' field names (see --help-json)"};
inline constexpr Text kDumpSamplesHelp{"也给出每个采样点", "include every sample"};
inline constexpr Text kDumpRawHelp{
    "也给出占位字段(原样保存,含义未知: unnamedA, m_Reserved, m_Extra1, ...)",
    "include the placeholder fields (stored unchanged, meaning unknown: "
    "unnamedA, m_Reserved, m_Extra1, ...)"};
inline constexpr Text kSaveHelp{"读入色谱图并重新保存(为 2.1 版)",
                                "Load a chromatogram and store it again (as version 2.1)"};
inline constexpr Text kSaveOutHelp{"要写的文件", "the file to write"};
inline constexpr Text kNewHelp{"写一个全部为默认值的色谱图(或通道设置文件)",
                               "Write a chromatogram (or channel set-up file) with every default"};

// summary.
inline constexpr Text kSummaryHelp{
    "多个图谱的汇总表: 每个图谱一行,每个组份(或峰号)的保留时间、面积、峰高、面积%、含量,"
    "及其个数、平均值、标准偏差、RSD%",
    "One table of many runs: a row per run with each component's (or peak's) retention time, "
    "area, height, area % and content, then the count, mean, SD and RSD % of each column"};
inline constexpr Text kSummaryFilesHelp{"色谱图文件(.Tzd)", "chromatogram files (.Tzd)"};
inline constexpr Text kSummaryProjectHelp{
    "按这个分析方法项目(.Tzp)识别、定量,每个组份一组列(不保存)",
    "identify and quantify by this method project (.Tzp), a group of columns per component "
    "(nothing is saved)"};
inline constexpr Text kSummarySamplesHelp{"也汇总项目的样品图谱(需要 --project)",
                                          "also summarize the project's samples (needs --project)"};
inline constexpr Text kSummaryCsvHelp{"写成 CSV 文件(UTF-8, 逗号分隔; - 为标准输出)",
                                      "write a CSV file (UTF-8, comma-separated; - for standard "
                                      "output)"};
inline constexpr Text kSummaryXlsxHelp{"写成 Excel 工作簿(.xlsx; - 为标准输出)",
                                       "write an Excel workbook (.xlsx; - for standard output)"};
inline constexpr Text kSummaryTsvHelp{"写成制表符分隔的文本(- 为标准输出)",
                                      "write tab-separated text (- for standard output)"};
inline constexpr Text kSummaryNeedsOutput{"summary 需要 --csv、--xlsx 或 --tsv 之一。",
                                          "summary needs one of --csv, --xlsx and --tsv."};
inline constexpr Text kSummaryNeedsFiles{"summary 需要图谱文件,或 --project 与 --samples。",
                                         "summary needs chromatogram files, or --project with "
                                         "--samples."};

// import-text.
inline constexpr Text kImportTextHelp{
    "把文本信号(本工作站导出的文本, 或其他程序、数据记录仪的 时间/数值 两列)读成图谱, "
    "按默认参数积分",
    "Make a chromatogram of a signal as text (this workstation's text export, or the time and "
    "value columns of other programs and data loggers), integrated with the default parameters"};
inline constexpr Text kImportFileHelp{
    "文本文件: 前面的标题行跳过; 逗号、制表符、分号或空格分隔; 小数点为 .",
    "the text file: heading lines are skipped; comma, tab, semicolon or space separated; a "
    "decimal point"};
inline constexpr Text kImportOutHelp{"要写的图谱文件(.Tzd)",
                                     "the chromatogram file to write (.Tzd)"};
inline constexpr Text kTimeColumnHelp{"时间所在的列,从 1 起", "the column of the times, from 1"};
inline constexpr Text kValueColumnHelp{"数值所在的列,从 1 起", "the column of the values, from 1"};
inline constexpr Text kTimeUnitHelp{"时间的单位: min 分钟(默认)或 s 秒",
                                    "unit of the times: min (the default) or s"};
inline constexpr Text kValueUnitHelp{
    "数值的单位: uV(默认)、mV 或 V; 比 1 µV 更精细的值舍入到整微伏",
    "unit of the values: uV (the default), mV or V; values finer than 1 µV are rounded to whole "
    "µV"};
inline constexpr Text kImportRateHelp{
    "采样频率; 时间不符合它(不均匀、非整数频率)时按它线性插值重新采样",
    "sampling rate; times that do not fit it (uneven, or not a whole rate) are resampled at it "
    "by linear interpolation"};
inline constexpr Text kImportSameColumn{"--time-column 与 --value-column 不能是同一列。",
                                        "--time-column and --value-column must differ."};
// Appended to a refusal of the times.
inline constexpr Text kImportGiveRate{"用 --rate R 给出采样频率,按它重新采样。",
                                      " Give --rate R to resample at R samples per second."};

}  // namespace lx::cli::texts
