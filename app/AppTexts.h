#pragma once
// The main window's own texts, Chinese (the workstation's own) and English: its menus and
// commands, the open dialog, the start-up and closing messages.

#include "core/Language.h"

namespace lx::app {

// The window class the single-instance rule is named after; never translated.
inline constexpr const char* kWindowClass = "LX6600色谱工作站";
inline constexpr Text kMainTitle{"LX6600色谱工作站", "LX6600 Chromatography Workstation"};

inline constexpr Text kFileMenu{"文件(&F)", "&File"};
inline constexpr Text kOpen{"打开图谱(&O)...", "&Open..."};
inline constexpr Text kSave{"保存图谱(&S)", "&Save Chromatogram"};
inline constexpr Text kSaveAs{"图谱另存为(&A)...", "Save Chromatogram &As..."};
inline constexpr Text kPrint{"打印(&P)...", "&Print..."};
inline constexpr Text kPrintPreview{"打印预览(&V)", "Print Pre&view"};
inline constexpr Text kClose{"关闭(&C)", "&Close"};
inline constexpr Text kExit{"退出(&X)", "E&xit"};
inline constexpr Text kViewMenu{"查看(&V)", "&View"};
inline constexpr Text kToolBar{"工具栏(&T)", "&Toolbar"};
inline constexpr Text kStatusBar{"状态栏(&S)", "&Status Bar"};
inline constexpr Text kBrowser{"文件窗口(&W)", "&Workbench"};
inline constexpr Text kReportWindow{"分析报告(&P)", "Analysis &Report"};
inline constexpr Text kResultDisplay{"结果显示设置(&R)", "&Result Display..."};
inline constexpr Text kColours{"颜色设置", "Colours..."};
inline constexpr Text kLabelMenu{"色谱峰标识", "Peak Labels"};
inline constexpr Text kLabelsOff{"无 标 志", "No Labels"};
inline constexpr Text kLabelTime{"保留时间", "Retention Time"};
inline constexpr Text kLabelNumber{"峰    号", "Peak Number"};
inline constexpr Text kLabelName{"组 份 名", "Component"};
inline constexpr Text kLabelHeight{"峰    高", "Height"};
inline constexpr Text kLabelArea{"峰 面 积", "Area"};
inline constexpr Text kLabelContent{"含    量", "Content"};
inline constexpr Text kVerticalLabels{"纵向显示标识", "Vertical Labels"};
inline constexpr Text kShowBaselines{"显示积分线", "Show Baselines"};
inline constexpr Text kViewAllPeaks{"显示所有峰结果", "Show All Peaks"};
inline constexpr Text kAcquireMenu{"采集(&A)", "&Acquire"};
inline constexpr Text kChannelA{"通道A", "Channel A"};
inline constexpr Text kChannelB{"通道B", "Channel B"};
inline constexpr Text kPortSettings{"设置通讯口(&M)", "Serial Port..."};
inline constexpr Text kWindowMenu{"窗口(&W)", "&Window"};
inline constexpr Text kCascade{"层叠(&C)", "&Cascade"};
inline constexpr Text kTile{"平铺(&T)", "&Tile"};
inline constexpr Text kNextWindow{"下一个(&N)", "&Next"};
inline constexpr Text kCloseAll{"全部关闭(&A)", "Close &All"};
inline constexpr Text kHelpMenu{"帮助(&H)", "&Help"};
inline constexpr Text kAbout{"关于 LX6600(&A)...", "&About LX6600..."};
inline constexpr Text kHold{"点", "Points..."};
inline constexpr Text kMainBarTitle{"标准", "Standard"};
inline constexpr Text kProjectsTab{"项目", "Projects"};
inline constexpr Text kFilesTab{"文件", "Files"};
inline constexpr Text kBrowserTitle{"工作台", "Workbench"};

inline constexpr Text kOpenTitle{"打开", "Open"};
inline constexpr Text kOpenFilter{
    "分析方法文件(*.Tzp);;图谱文件(*.Tzd);;报告文件(*.Tze);;所有文件(*)",
    "Methods (*.Tzp);;Chromatograms (*.Tzd);;Reports (*.Tze);;All files (*)"};
inline constexpr Text kCursorReadout{"%1.3f 分   %.3f mV", "%1.3f min   %.3f mV"};
inline constexpr Text kSourceDemo{"演示信号", "Demo signal"};
inline constexpr Text kSourceDetector{"检测器 COM%d", "Detector COM%d"};

inline constexpr Text kStepRun{"采样图谱", "a run filed"};

inline constexpr Text kBothRunning{"通道A、B正在采集, 不能退出!",
                                   "Channels A and B are recording; the program cannot end!"};
inline constexpr Text kARunning{"通道A正在采集, 不能退出!",
                                "Channel A is recording; the program cannot end!"};
inline constexpr Text kBRunning{"通道B正在采集, 不能退出!",
                                "Channel B is recording; the program cannot end!"};
inline constexpr Text kUnknownKind{
    "文件[%s]不是本工作站的图谱、分析方法或报告文件!",
    "The file [%s] is not a chromatogram, method or report of this workstation!"};
inline constexpr Text kRecoverQuestion{
    "上次采样没有正常结束, 采样记录[%s]中保存着它的数据。\n是否现在恢复并保存为图谱文件?",
    "A run did not end normally; its values are kept in [%s].\nRecover it now and save it as "
    "a chromatogram?"};
inline constexpr Text kRecoverLater{
    "采样记录[%s]留在原处, 下次启动时会再次提示, 也可用 lx6600-cli recover 恢复。",
    "The journal [%s] stays where it is: the next start asks again, and lx6600-cli recover "
    "recovers it too."};

// Interchange with other programs.
inline constexpr Text kExportAndi{"导出ANDI/AIA文件(&N)...", "Export &ANDI/AIA File..."};
inline constexpr Text kImportAndi{"导入ANDI/AIA文件(&I)...", "&Import ANDI/AIA File..."};
inline constexpr Text kImportText{"导入文本信号(&T)...", "Import &Text Signal..."};
inline constexpr Text kAndiFilter{"ANDI/AIA 色谱文件(*.cdf)",
                                  "ANDI/AIA chromatography files (*.cdf)"};
inline constexpr Text kTextSignalFilter{"文本信号(*.txt *.csv *.tsv);;所有文件(*)",
                                        "Text signals (*.txt *.csv *.tsv);;All files (*)"};
inline constexpr Text kKeepAndiPeaks{"是否保留文件中的峰表?\n(否: 按默认参数重新积分)",
                                     "Keep the file's peak table?\n(No: integrate with the "
                                     "default parameters)"};
inline constexpr Text kSummary{"项目样品汇总表(&U)...", "Project Sample S&ummary..."};
inline constexpr Text kSummaryFilter{"Excel 工作簿(*.xlsx);;CSV 文件(*.csv)",
                                     "Excel workbooks (*.xlsx);;CSV files (*.csv)"};
inline constexpr Text kTextImportTitle{"导入文本信号", "Import Text Signal"};
inline constexpr Text kTimeColumn{"时间列:", "Time column:"};
inline constexpr Text kValueColumn{"信号列:", "Value column:"};
inline constexpr Text kTimeUnit{"时间单位:", "Time unit:"};
inline constexpr Text kValueUnit{"信号单位:", "Value unit:"};
inline constexpr Text kResampleRate{"重新采样频率(0 = 按文件):", "Resample at (0 = as the file):"};
inline constexpr Text kMinutesUnit{"分钟", "minutes"};
inline constexpr Text kSecondsUnit{"秒", "seconds"};

}  // namespace lx::app
