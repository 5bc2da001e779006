#pragma once
// The desktop windows' own texts, Chinese (the workstation's own) and English: menus,
// commands, dialog titles and labels, questions.

#include "core/Language.h"

namespace lx::ui {

inline constexpr Text kOk{"确定", "OK"};
inline constexpr Text kCancel{"取消", "Cancel"};
inline constexpr Text kUntitled{"未命名", "Untitled"};

// The plot and its commands.
inline constexpr Text kPlotName{"图谱", "Chromatogram"};
inline constexpr Text kPlotEmpty{"没有图谱", "No chromatogram"};
// File, time range, signal range, peak count.
inline constexpr Text kPlotDescription{
    "%s: 时间 %.3f 至 %.3f 分钟, 信号 %.3f 至 %.3f mV, %zu 个峰",
    "%s: time %.3f to %.3f min, signal %.3f to %.3f mV, %zu peaks"};
inline constexpr Text kPlotBarTitle{"图谱缩放", "Zoom"};
inline constexpr Text kPlotMenu{"显示(&S)", "&Show"};
inline constexpr Text kZoomIn{"纵横放大", "Zoom In"};
inline constexpr Text kZoomOut{"纵横缩小", "Zoom Out"};
inline constexpr Text kZoomTimeIn{"横向放大", "Stretch Time"};
inline constexpr Text kZoomTimeOut{"横向缩小", "Compress Time"};
inline constexpr Text kPanLeft{"图谱左移", "Move Left"};
inline constexpr Text kPanRight{"图谱右移", "Move Right"};
inline constexpr Text kPanDown{"图谱下移", "Move Down"};
inline constexpr Text kPanUp{"图谱上移", "Move Up"};
inline constexpr Text kFitted{"自动匹配", "Fit"};
inline constexpr Text kCoordinates{"坐标设置", "Axes..."};

inline constexpr Text kCoordinateTitle{"坐标设置", "Axes"};
inline constexpr Text kTimeMinLabel{"最小时间:", "Time from:"};
inline constexpr Text kTimeMaxLabel{"最大时间:", "Time to:"};
inline constexpr Text kLevelMinLabel{"最小电平:", "Level from:"};
inline constexpr Text kLevelMaxLabel{"最大电平:", "Level to:"};

inline constexpr Text kPeakDetectTitle{"峰检测", "Peak Detection"};
inline constexpr Text kPeakDetectQuestion{"是否对当前图谱进行峰检测：",
                                          "Detect the peaks of this chromatogram again:"};
inline constexpr Text kHalfWidthLabel{"半峰宽:", "Half width:"};
inline constexpr Text kSlopeLabel{"斜  率:", "Slope:"};
inline constexpr Text kUseManualEvents{"使用手动积分事件", "Use manual integration events"};
inline constexpr Text kUseTimeProgram{"使用时间程序", "Use time program"};

// The analysis window.
inline constexpr Text kResultTableName{"分析结果", "Results"};
inline constexpr Text kChromatogramMenu{"图谱处理(&I)", "&Chromatogram"};
inline constexpr Text kDataMenu{"数据处理(&C)", "&Data"};
inline constexpr Text kOutputReport{"输出分析报告(&O)", "&Output Report"};
inline constexpr Text kReportSuffix{"_报告", "_Report"};
inline constexpr Text kPeakDetect{"峰检测(&D)", "Peak &Detection..."};
inline constexpr Text kParameters{"参数设置(&S)", "Para&meters..."};
inline constexpr Text kAddComponent{"添加组份(&P)", "Add Com&ponent..."};
inline constexpr Text kDeleteComponent{"删除组份(&E)", "D&elete Component"};
inline constexpr Text kExportComponents{"输出组份表(&O)", "All Peaks to C&omponents"};
inline constexpr Text kReferenceOfThis{"设置参照内标物(本图谱)",
                                       "Reference Peak (This Standard)..."};
inline constexpr Text kReferenceOfAll{"设置参照内标物(所有标准图谱)",
                                      "Reference Peak (All Standards)..."};
inline constexpr Text kCopyData{"拷贝数据(&U)", "Copy &Results"};
inline constexpr Text kCopyPicture{"拷贝图谱(&C)", "&Copy Picture"};
inline constexpr Text kPictureToBmp{"拷贝图谱至BMP文件(&P)", "&Picture to BMP File..."};
inline constexpr Text kTextFile{"输出文本文件(&T)", "Signal as &Text File..."};
inline constexpr Text kExportPdf{"输出PDF文件(&F)...", "Report as PD&F..."};
inline constexpr Text kSaveChromatogramTitle{"保存图谱文件", "Save Chromatogram"};
inline constexpr Text kTzdFilter{"图谱文件(*.Tzd)", "Chromatograms (*.Tzd)"};
inline constexpr Text kSaveChangesQuestion{"将改动保存到 %s ?", "Save the changes to %s?"};
inline constexpr Text kPrintPreviewTitle{"打印预览", "Print Preview"};
inline constexpr Text kExportPdfTitle{"输出PDF文件", "Report as PDF"};
inline constexpr Text kPdfFilter{"PDF文件(*.pdf)", "PDF files (*.pdf)"};
inline constexpr Text kTextFileTitle{"输出文本文件", "Signal as Text File"};
inline constexpr Text kTextFilter{"文本格式(*.txt)", "Text (*.txt)"};
inline constexpr Text kBmpTitle{"拷贝图谱至BMP文件", "Picture to BMP File"};
inline constexpr Text kBmpName{"图谱", "Chromatogram"};
inline constexpr Text kBmpFilter{"Bitmap (*.bmp)", "Bitmap (*.bmp)"};

inline constexpr Text kStepProcessChromatogram{"峰检测", "peak detection"};

// The channel windows.
inline constexpr Text kLivePlotName{"实时图谱", "Live signal"};
inline constexpr Text kLiveReadout{"%1.3f Min   %.3f mV", "%1.3f Min   %.3f mV"};
inline constexpr Text kControlMenu{"控制(&L)", "Contro&l"};
inline constexpr Text kStartRun{"开始采样(&S)", "&Start Run"};
inline constexpr Text kStopRun{"停止采样(&T)", "S&top Run"};
inline constexpr Text kCancelRun{"取消采样(&A)", "C&ancel Run"};
inline constexpr Text kZeroNext{"手动调零(&Z)", "&Zero Now"};
inline constexpr Text kCopyParameters{"拷贝参数(&O)", "C&opy Parameters"};
inline constexpr Text kPasteParameters{"粘贴参数(&A)", "P&aste Parameters"};
inline constexpr Text kChannelParameters{" 设置当前通道参数 ", " Channel Parameters "};
inline constexpr Text kChannelBarTitle{"通道", "Channel"};
inline constexpr Text kStatusTime{" 当前时间: %1.3f分", " Time: %1.3f min"};
inline constexpr Text kStatusValue{" 当前电压: %lduV", " Signal: %lduV"};
inline constexpr Text kStatusChannelA{" 通道A", " Channel A"};
inline constexpr Text kStatusChannelB{" 通道B", " Channel B"};
inline constexpr Text kCannotCloseRunning{"正在采集, 不能关闭当前窗口!",
                                          "A run is recording; the window cannot close!"};
inline constexpr Text kSaveRunTitle{"保存图谱文件", "Save Chromatogram"};
inline constexpr Text kNoPrinter{"没有可用的打印机, 采集结束的分析报告没有打印!",
                                 "There is no printer; the run's report was not printed!"};

// The file tree and its popup.
inline constexpr Text kFilesName{"数据文件夹", "Data folders"};
inline constexpr Text kAcquisitionPopup{"数据采集", "Acquisition"};
inline constexpr Text kUseForChannelA{"通道A", "Channel A"};
inline constexpr Text kUseForChannelB{"通道B", "Channel B"};
inline constexpr Text kSetupOfChannelA{"通道A 采样参数", "Channel A Parameters"};
inline constexpr Text kSetupOfChannelB{"通道B 采样参数", "Channel B Parameters"};

// The settings dialogs.
inline constexpr Text kPortTitle{"通讯口设置", "Serial Port"};
inline constexpr Text kPortLabel{"通 讯 口:", "Port:"};
inline constexpr Text kFrequencyLabel{"采样频率:", "Rate:"};
inline constexpr Text kFrequency10{"10 次/每秒", "10 per second"};
inline constexpr Text kFrequency20{"20 次/每秒", "20 per second"};
inline constexpr Text kHoldTitle{"点", "Points"};
inline constexpr Text kHoldLabel{"点:", "Points:"};
inline constexpr Text kColourTitle{"颜色设置", "Colours"};
inline constexpr Text kColourTrace{"图 谱 颜 色", "Trace"};
inline constexpr Text kColourBackground{"背 景 颜 色", "Background"};
inline constexpr Text kColourBaseline{"基 线 颜 色", "Baselines"};
inline constexpr Text kColourSelected{"峰选择颜色", "Selected peak"};
inline constexpr Text kColourLabels{"标 识 颜 色", "Peak labels"};
inline constexpr Text kColourFrame{"边 框 颜 色", "Frame"};
inline constexpr Text kResultDisplayTitle{"结果显示", "Result Display"};
inline constexpr Text kColNumber{"峰  号", "Peak No."};
inline constexpr Text kColName{"组份名", "Component"};
inline constexpr Text kColTime{"保留时间", "Retention time"};
inline constexpr Text kColArea{"面  积", "Area"};
inline constexpr Text kColHeight{"高  度", "Height"};
inline constexpr Text kColAreaHeight{"面积高度比", "Area/height"};
inline constexpr Text kColPercent{"面积百分比", "Area %"};
inline constexpr Text kColResolution{"分离度", "Resolution"};
inline constexpr Text kColTailing{"拖尾因子", "Tailing"};
inline constexpr Text kColPlates{"理论塔板", "Plates"};
inline constexpr Text kColContent{"含  量", "Content"};
inline constexpr Text kColPeakType{"峰类型", "Peak type"};
inline constexpr Text kAboutTitle{"关于 LX6600", "About LX6600"};
inline constexpr Text kAboutText{
    "<h2>LX6600 色谱工作站</h2><p>版本 0.1</p>"
    "<p>双通道数据采集、峰积分、组份定性定量与分析报告</p>",
    "<h2>LX6600 Chromatography Workstation</h2><p>Version 0.1</p>"
    "<p>Two-channel acquisition, peak integration, identification, quantitation and "
    "reports</p>"};

}  // namespace lx::ui
