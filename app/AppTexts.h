#pragma once
// The main window's own texts: its menus and commands, the open dialog, the start-up and
// closing messages.

namespace lx::app {

inline constexpr const char* kWindowClass = "LX6600色谱工作站";
inline constexpr const char* kMainTitle = "LX6600色谱工作站";

inline constexpr const char* kFileMenu = "文件(&F)";
inline constexpr const char* kOpen = "打开图谱(&O)...";
inline constexpr const char* kSave = "保存图谱(&S)";
inline constexpr const char* kSaveAs = "图谱另存为(&A)...";
inline constexpr const char* kPrint = "打印(&P)...";
inline constexpr const char* kPrintPreview = "打印预览(&V)";
inline constexpr const char* kClose = "关闭(&C)";
inline constexpr const char* kExit = "退出(&X)";
inline constexpr const char* kViewMenu = "查看(&V)";
inline constexpr const char* kToolBar = "工具栏(&T)";
inline constexpr const char* kStatusBar = "状态栏(&S)";
inline constexpr const char* kBrowser = "文件窗口(&W)";
inline constexpr const char* kResultDisplay = "结果显示设置(&R)";
inline constexpr const char* kColours = "颜色设置";
inline constexpr const char* kLabelMenu = "色谱峰标识";
inline constexpr const char* kLabelsOff = "无 标 志";
inline constexpr const char* kLabelTime = "保留时间";
inline constexpr const char* kLabelNumber = "峰    号";
inline constexpr const char* kLabelName = "组 份 名";
inline constexpr const char* kLabelHeight = "峰    高";
inline constexpr const char* kLabelArea = "峰 面 积";
inline constexpr const char* kLabelContent = "含    量";
inline constexpr const char* kVerticalLabels = "纵向显示标识";
inline constexpr const char* kShowBaselines = "显示积分线";
inline constexpr const char* kViewAllPeaks = "显示所有峰结果";
inline constexpr const char* kAcquireMenu = "采集(&A)";
inline constexpr const char* kChannelA = "通道A";
inline constexpr const char* kChannelB = "通道B";
inline constexpr const char* kPortSettings = "设置通讯口(&M)";
inline constexpr const char* kWindowMenu = "窗口(&W)";
inline constexpr const char* kCascade = "层叠(&C)";
inline constexpr const char* kTile = "平铺(&T)";
inline constexpr const char* kNextWindow = "下一个(&N)";
inline constexpr const char* kCloseAll = "全部关闭(&A)";
inline constexpr const char* kHelpMenu = "帮助(&H)";
inline constexpr const char* kAbout = "关于 LX6600(&A)...";
inline constexpr const char* kHold = "点";
inline constexpr const char* kMainBarTitle = "标准";
inline constexpr const char* kProjectsTab = "项目";
inline constexpr const char* kFilesTab = "文件";
inline constexpr const char* kBrowserTitle = "工作台";

inline constexpr const char* kOpenTitle = "打开";
inline constexpr const char* kOpenFilter =
    "分析方法文件(*.Tzp);;图谱文件(*.Tzd);;报告文件(*.Tze);;所有文件(*)";
inline constexpr const char* kCursorReadout = "%1.3f 分   %.3f mV";
inline constexpr const char* kSourceDemo = "演示信号";
inline constexpr const char* kSourceDetector = "检测器 COM%d";

inline constexpr const char* kBothRunning = "通道A、B正在采集, 不能退出!";
inline constexpr const char* kARunning = "通道A正在采集, 不能退出!";
inline constexpr const char* kBRunning = "通道B正在采集, 不能退出!";
inline constexpr const char* kUnknownKind = "文件[%s]不是本工作站的图谱、分析方法或报告文件!";
inline constexpr const char* kReportNotYet =
    "报告文件[%s]需在报告窗口中打开, 本版本尚不能打开报告文件!";
inline constexpr const char* kRecoverQuestion =
    "上次采样没有正常结束, 采样记录[%s]中保存着它的数据。\n是否现在恢复并保存为图谱文件?";
inline constexpr const char* kRecoverLater =
    "采样记录[%s]留在原处, 下次启动时会再次提示, 也可用 lx6600-cli recover 恢复。";

}  // namespace lx::app
