#pragma once
// The desktop windows' own texts: menus, commands, dialog titles and labels, questions.

namespace lx::ui {

inline constexpr const char* kOk = "确定";
inline constexpr const char* kCancel = "取消";
inline constexpr const char* kUntitled = "未命名";

// The plot and its commands.
inline constexpr const char* kPlotName = "图谱";
inline constexpr const char* kPlotEmpty = "没有图谱";
// File, time range, signal range, peak count.
inline constexpr const char* kPlotDescription =
    "%s: 时间 %.3f 至 %.3f 分钟, 信号 %.3f 至 %.3f mV, %zu 个峰";
inline constexpr const char* kPlotBarTitle = "图谱缩放";
inline constexpr const char* kPlotMenu = "显示(&S)";
inline constexpr const char* kZoomIn = "纵横放大";
inline constexpr const char* kZoomOut = "纵横缩小";
inline constexpr const char* kZoomTimeIn = "横向放大";
inline constexpr const char* kZoomTimeOut = "横向缩小";
inline constexpr const char* kPanLeft = "图谱左移";
inline constexpr const char* kPanRight = "图谱右移";
inline constexpr const char* kPanDown = "图谱下移";
inline constexpr const char* kPanUp = "图谱上移";
inline constexpr const char* kFitted = "自动匹配";
inline constexpr const char* kCoordinates = "坐标设置";

inline constexpr const char* kCoordinateTitle = "坐标设置";
inline constexpr const char* kTimeMinLabel = "最小时间:";
inline constexpr const char* kTimeMaxLabel = "最大时间:";
inline constexpr const char* kLevelMinLabel = "最小电平:";
inline constexpr const char* kLevelMaxLabel = "最大电平:";

inline constexpr const char* kPeakDetectTitle = "峰检测";
inline constexpr const char* kPeakDetectQuestion = "是否对当前图谱进行峰检测：";
inline constexpr const char* kHalfWidthLabel = "半峰宽:";
inline constexpr const char* kSlopeLabel = "斜  率:";
inline constexpr const char* kUseManualEvents = "使用手动积分事件";
inline constexpr const char* kUseTimeProgram = "使用时间程序";

// The analysis window.
inline constexpr const char* kResultTableName = "分析结果";
inline constexpr const char* kChromatogramMenu = "图谱处理(&I)";
inline constexpr const char* kDataMenu = "数据处理(&C)";
inline constexpr const char* kPeakDetect = "峰检测(&D)";
inline constexpr const char* kParameters = "参数设置(&S)";
inline constexpr const char* kCopyData = "拷贝数据(&U)";
inline constexpr const char* kCopyPicture = "拷贝图谱(&C)";
inline constexpr const char* kPictureToBmp = "拷贝图谱至BMP文件(&P)";
inline constexpr const char* kTextFile = "输出文本文件(&T)";
inline constexpr const char* kExportPdf = "输出PDF文件(&F)...";
inline constexpr const char* kSaveChromatogramTitle = "保存图谱文件";
inline constexpr const char* kTzdFilter = "图谱文件(*.Tzd)";
inline constexpr const char* kSaveChangesQuestion = "将改动保存到 %s ?";
inline constexpr const char* kPrintPreviewTitle = "打印预览";
inline constexpr const char* kExportPdfTitle = "输出PDF文件";
inline constexpr const char* kPdfFilter = "PDF文件(*.pdf)";
inline constexpr const char* kTextFileTitle = "输出文本文件";
inline constexpr const char* kTextFilter = "文本格式(*.txt)";
inline constexpr const char* kBmpTitle = "拷贝图谱至BMP文件";
inline constexpr const char* kBmpName = "图谱";
inline constexpr const char* kBmpFilter = "Bitmap (*.bmp)";

}  // namespace lx::ui

namespace lx::ui {

// The channel windows.
inline constexpr const char* kLivePlotName = "实时图谱";
inline constexpr const char* kLiveReadout = "%1.3f Min   %.3f mV";
inline constexpr const char* kControlMenu = "控制(&L)";
inline constexpr const char* kStartRun = "开始采样(&S)";
inline constexpr const char* kStopRun = "停止采样(&T)";
inline constexpr const char* kCancelRun = "取消采样(&A)";
inline constexpr const char* kZeroNext = "手动调零(&Z)";
inline constexpr const char* kCopyParameters = "拷贝参数(&O)";
inline constexpr const char* kPasteParameters = "粘贴参数(&A)";
inline constexpr const char* kChannelParameters = " 设置当前通道参数 ";
inline constexpr const char* kChannelBarTitle = "通道";
inline constexpr const char* kStatusTime = " 当前时间: %1.3f分";
inline constexpr const char* kStatusValue = " 当前电压: %lduV";
inline constexpr const char* kStatusChannelA = " 通道A";
inline constexpr const char* kStatusChannelB = " 通道B";
inline constexpr const char* kCannotCloseRunning = "正在采集, 不能关闭当前窗口!";
inline constexpr const char* kSaveRunTitle = "保存图谱文件";

}  // namespace lx::ui

namespace lx::ui {

// The settings dialogs.
inline constexpr const char* kPortTitle = "通讯口设置";
inline constexpr const char* kPortLabel = "通 讯 口:";
inline constexpr const char* kFrequencyLabel = "采样频率:";
inline constexpr const char* kFrequency10 = "10 次/每秒";
inline constexpr const char* kFrequency20 = "20 次/每秒";
inline constexpr const char* kHoldTitle = "点";
inline constexpr const char* kHoldLabel = "点:";
inline constexpr const char* kColourTitle = "颜色设置";
inline constexpr const char* kColourTrace = "图 谱 颜 色";
inline constexpr const char* kColourBackground = "背 景 颜 色";
inline constexpr const char* kColourBaseline = "基 线 颜 色";
inline constexpr const char* kColourSelected = "峰选择颜色";
inline constexpr const char* kColourLabels = "标 识 颜 色";
inline constexpr const char* kColourFrame = "边 框 颜 色";
inline constexpr const char* kResultDisplayTitle = "结果显示";
inline constexpr const char* kColNumber = "峰  号";
inline constexpr const char* kColName = "组份名";
inline constexpr const char* kColTime = "保留时间";
inline constexpr const char* kColArea = "面  积";
inline constexpr const char* kColHeight = "高  度";
inline constexpr const char* kColAreaHeight = "面积高度比";
inline constexpr const char* kColPercent = "面积百分比";
inline constexpr const char* kColResolution = "分离度";
inline constexpr const char* kColTailing = "拖尾因子";
inline constexpr const char* kColPlates = "理论塔板";
inline constexpr const char* kColContent = "含  量";
inline constexpr const char* kColPeakType = "峰类型";
inline constexpr const char* kAboutTitle = "关于 LX6600";
inline constexpr const char* kAboutText =
    "<h2>LX6600 色谱工作站</h2><p>版本 0.1</p>"
    "<p>双通道数据采集、峰积分、组份定性定量与分析报告</p>";

}  // namespace lx::ui
