#pragma once
// Texts of the parameter sheet and its pages, as the operator reads them. Labels keep the
// workstation's own spacing (full-width blanks included): the sheets of older versions looked
// the same, and operators find their fields by these words.

#include "core/Language.h"

namespace lx::texts {

// The sheet
inline constexpr Text kSheetTitle{"参数设置", "Parameters"};
inline constexpr Text kOk{"确定", "OK"};
inline constexpr Text kCancel{"取消", "Cancel"};
// The answers of a question box.
inline constexpr Text kYes{"是(&Y)", "&Yes"};
inline constexpr Text kNo{"否(&N)", "&No"};
inline constexpr Text kImportParams{"导入参数...", "Import Parameters..."};
inline constexpr Text kTakeTemplate{"调用项目模板", "From Project Template"};
inline constexpr Text kCopyToTemplate{"拷贝到项目模板", "To Project Template"};
inline constexpr Text kChannelControlTab{" 采样控制 ", " Acquisition "};
inline constexpr Text kSampleInfoTab{"图谱属性", "Chromatogram"};
inline constexpr Text kPeakParamsTab{"判峰参数", "Peak Detection"};
inline constexpr Text kManualEventsTab{"手动积分", "Manual Integration"};
inline constexpr Text kPrintSettingsTab{"打印设置", "Print Settings"};

// Buttons shared by the list pages
inline constexpr Text kAdd{"增加", "Add"};
inline constexpr Text kDelete{"删除", "Delete"};
inline constexpr Text kEdit{"编辑", "Edit"};
inline constexpr Text kClear{"清空", "Clear"};

// Units after a number. Ours: the workstation's sheets left them to the operator's memory.
inline constexpr Text kMinutesSuffix{" 分", " min"};
inline constexpr Text kMillivoltSuffix{" mV", " mV"};
inline constexpr Text kCentimetreSuffix{" 厘米", " cm"};

// " 采样控制 "
inline constexpr Text kStandardRun{"标准品", "Standard"};
inline constexpr Text kSampleRun{"样  品", "Sample"};
inline constexpr Text kStopTime{"采样时间:", "Run time:"};
inline constexpr Text kZeroAtStart{"将起始采样点作为零点", "Use the first point as zero"};
inline constexpr Text kInvert{"反转采样数据", "Invert the signal"};
inline constexpr Text kBaselineOn{"自动扣除基线", "Subtract a baseline"};
// The unlabelled field beside "自动扣除基线", named for screen readers only.
inline constexpr Text kBaselineFile{"基线文件", "Baseline file"};
inline constexpr Text kBrowse{"...", "..."};
inline constexpr Text kChooseBaseline{"选择基线文件", "Choose the Baseline File"};
inline constexpr Text kChromatogramFilter{"图谱文件(*.Tzd)", "Chromatograms (*.Tzd)"};
inline constexpr Text kShowAtEnd{"采样结束显示图谱", "Show the chromatogram after the run"};
inline constexpr Text kAutoSave{"自动保存图谱文件", "Save the chromatogram automatically"};
inline constexpr Text kAutoPrint{"采集结束自动打印报告", "Print the report after the run"};
inline constexpr Text kPrefix{"文件名前缀:", "File name prefix:"};
inline constexpr Text kYearOn{"年 份", "Year"};
inline constexpr Text kMonthOn{"月 份", "Month"};
inline constexpr Text kDayOn{"日 期", "Day"};
inline constexpr Text kTimeOn{"时 间", "Time"};
inline constexpr Text kNumberOn{"文件序号", "Number"};
inline constexpr Text kFileNumber{"起始序号:", "Last number:"};
inline constexpr Text kFolder{"文件夹:", "Folder:"};
inline constexpr Text kTimeMin{"最小时间:", "Time from:"};
inline constexpr Text kTimeMax{"最大时间:", "Time to:"};
inline constexpr Text kLevelMin{"最小电平:", "Level from:"};
inline constexpr Text kLevelMax{"最大电平:", "Level to:"};
inline constexpr Text kFixX{"固定X坐标", "Fixed time axis"};
inline constexpr Text kFixY{"固定Y坐标", "Fixed level axis"};
inline constexpr Text kBaselineNameEmpty{"基线扣除文件打开错误 !",
                                         "The baseline file could not be opened!"};
// Path.
inline constexpr Text kBaselineUnreadable{"基线扣除文件[%s]打开错误 !",
                                          "The baseline file [%s] could not be opened!"};

// "图谱属性"
inline constexpr Text kCreatedAt{"创建日期:", "Created:"};
inline constexpr Text kSampleName{"样品名称:", "Sample name:"};
inline constexpr Text kOperator{"实 验 员:", "Operator:"};
inline constexpr Text kLaboratory{"实验单位:", "Laboratory:"};
inline constexpr Text kInjectVolume{"进 样 量:", "Injected volume:"};
inline constexpr Text kNotes{"实验备注:", "Notes:"};

// "判峰参数"
inline constexpr Text kHalfWidth{"半峰宽:", "Half width:"};
inline constexpr Text kSlope{"斜  率:", "Slope:"};
inline constexpr Text kMinArea{"最小峰面积:", "Minimum area:"};
inline constexpr Text kMinHeight{"最小峰高:", "Minimum height:"};
inline constexpr Text kTimeDoubling{"时间变倍:", "Time doubling:"};
inline constexpr Text kHeightRatio{"峰 高 比:", "Height ratio:"};
inline constexpr Text kSampleWeight{"样品重量:", "Sample weight:"};
inline constexpr Text kSampleVolume{"样品体积:", "Sample volume:"};
inline constexpr Text kIsConc1{"内标物浓度1:", "Internal standard 1:"};
inline constexpr Text kAutoTailing{"自动拖尾峰判断", "Detect tailing riders"};
inline constexpr Text kAutoLeading{"自动伸舌峰判断", "Detect leading riders"};
inline constexpr Text kDeleteMode{"峰删除方式", "Deleting a peak"};
inline constexpr Text kDeleteRedetect{"重新判峰", "Detect again"};
inline constexpr Text kDeleteLeaveOut{"不参于计算", "Leave out of the calculation"};
inline constexpr Text kLockTime{"锁定时间:", "Lock time:"};
inline constexpr Text kUseTimeProgram{"使用时间程序", "Use the time program"};
// The time program list, named for screen readers only.
inline constexpr Text kTimeProgramList{"时间程序", "Time program"};
inline constexpr Text kColRow{"序号", "No."};
inline constexpr Text kColTime{" 时  间 ", " Time "};
inline constexpr Text kColHalfWidth{"半峰宽", "Half width"};
inline constexpr Text kColSlope{"斜 率", "Slope"};
inline constexpr Text kColEvent{"     事      件     ", "     Event     "};
inline constexpr Text kSelectToDelete{"请选择要删除的项!", "Select the line to delete!"};
inline constexpr Text kSelectToEdit{"请选择要编辑的项!", "Select the line to edit!"};
inline constexpr Text kConfirmDeleteEntry{"是否删除当前时间程序项!",
                                          "Delete this line of the time program?"};

// "编辑时间程序"
inline constexpr Text kTimeProgramTitle{"编辑时间程序", "Edit Time Program"};
inline constexpr Text kEntryTime{"时  间:", "Time:"};
inline constexpr Text kEntryEvent{"事  件:", "Event:"};

// "手动积分"
inline constexpr Text kUseManualEvents{"使用手动积分事件", "Use the manual integration events"};
inline constexpr Text kEventList{"手动积分事件", "Manual integration events"};
inline constexpr Text kColEventNo{" 序 号 ", " No. "};
inline constexpr Text kColEventText{"        事        件        ", "        Event        "};
inline constexpr Text kColEventTime{"  事件时间  ", "  Time  "};
inline constexpr Text kConfirmDeleteEvent{"是否删除当前事件!", "Delete this event?"};
inline constexpr Text kConfirmClearEvents{"是否删除所有事件!", "Delete all events?"};

// "打印设置" and its sub-pages
inline constexpr Text kReportContentTab{"报告内容", "Report"};
inline constexpr Text kInstrumentTab{"仪器信息", "Instrument"};
inline constexpr Text kChromatogramTab{"谱图信息", "Chromatogram"};
inline constexpr Text kResultsTab{"分析结果", "Results"};
inline constexpr Text kFont{"字体", "Font"};
inline constexpr Text kFontSettings{"字体设置", "Font..."};
// Ours: the workstation chose colours in its font dialog, which Qt's has no place for.
inline constexpr Text kColour{"颜色", "Colour"};
inline constexpr Text kAlignLeft{"左对齐", "Left"};
inline constexpr Text kAlignCentre{"居  中", "Centre"};
inline constexpr Text kAlignRight{"右对齐", "Right"};
// Ours, for the alignment lists screen readers announce beside a label.
inline constexpr Text kAlignment{"对齐方式", "Alignment"};

inline constexpr Text kHeader{"页眉:", "Header:"};
inline constexpr Text kTitle{"标题:", "Title:"};
inline constexpr Text kFooter{"页脚:", "Footer:"};
inline constexpr Text kContentOn{"报告内容", "Information block"};
inline constexpr Text kProjectOn{"项目名称", "Project"};
inline constexpr Text kSampleOn{"样品名称", "Sample name"};
inline constexpr Text kInjectOn{"进 样 量", "Injected volume"};
inline constexpr Text kFileNameOn{"文 件 名", "File name"};
inline constexpr Text kNoteOn{"实验备注", "Notes"};
inline constexpr Text kOperatorOn{"试 验 员", "Operator"};
// The unlabelled switch and edits of the free line, named for screen readers only.
inline constexpr Text kCustomOn{"自定义项", "Custom line"};
inline constexpr Text kCustomLabel{"自定义项名称", "Custom label"};
inline constexpr Text kCustomValue{"自定义项内容", "Custom value"};
inline constexpr Text kDetectParamsOn{"判峰参数", "Detection parameters"};
inline constexpr Text kDataSizeOn{"图谱大小", "Data size"};
inline constexpr Text kMethodOn{"分析方法", "Method"};
inline constexpr Text kDateOn{"日期和时间", "Date and time"};
inline constexpr Text kUnitOn{"实验单位", "Laboratory"};
inline constexpr Text kPageNumbersOn{"打印页码", "Page numbers"};
inline constexpr Text kEnglishReport{"打印英文报告", "English report"};
inline constexpr Text kSimpleFormat{"简易格式", "Simple format"};

// Ours: the workstation's drop-down stood without a label.
inline constexpr Text kInstrumentType{"仪器类型:", "Instrument:"};
inline constexpr Text kLiquid{"液相色谱仪", "Liquid chromatograph"};
inline constexpr Text kGas{"气相色谱仪", "Gas chromatograph"};
inline constexpr Text kInstrumentOn{"打印仪器信息:", "Print the instrument information:"};
inline constexpr Text kInstrumentList{"仪器信息", "Instrument information"};
inline constexpr Text kColItemNo{"    ", "    "};
inline constexpr Text kColItemName{"    项     目    ", "    Item    "};
inline constexpr Text kColItemContent{"     内      容     ", "     Content     "};
inline constexpr Text kColItemPrint{"是否打印", "Print"};
inline constexpr Text kPrintYes{" 打 印 ", " Print "};
inline constexpr Text kPrintNo{" 不打印 ", " Do not print "};
inline constexpr Text kSelectItemToDelete{"请选择要删除的项 !", "Select the item to delete!"};
inline constexpr Text kConfirmDeleteItem{"是否删除当前选项!", "Delete this item?"};
inline constexpr Text kSelectItemToEdit{"请选择要编辑的项 !", "Select the item to edit!"};
// The item dialog. Ours: the workstation's dialog is not described beyond its three values.
inline constexpr Text kItemTitle{"仪器信息项", "Instrument Information Item"};
inline constexpr Text kItemName{"项  目:", "Item:"};
inline constexpr Text kItemContent{"内  容:", "Content:"};
inline constexpr Text kItemPrint{"打  印", "Print"};

inline constexpr Text kAxisFontRow{"图谱坐标:", "Axes:"};
inline constexpr Text kMarkFontRow{"图谱标识:", "Peak labels:"};
inline constexpr Text kChromOn{"打 印 谱 图", "Print the chromatogram"};
inline constexpr Text kAxesOn{"打印坐标", "Print the axes"};
inline constexpr Text kIntegrationLinesOn{"打印积分线", "Print the baselines"};
inline constexpr Text kFrameOn{"打印边框", "Print a frame"};
inline constexpr Text kOrientation{"谱图打印方式:", "Orientation:"};
inline constexpr Text kPortrait{"纵向打印", "Portrait"};
inline constexpr Text kLandscape{"横向打印", "Landscape"};
inline constexpr Text kChromWidth{"谱图宽度:", "Width:"};
inline constexpr Text kChromHeight{"谱图高度:", "Height:"};
inline constexpr Text kChromAlign{"打印方式:", "Placement:"};
inline constexpr Text kMarksGroup{"谱图标识", "Peak labels"};
inline constexpr Text kVerticalMarks{"纵向打印", "Vertical"};
inline constexpr Text kNoMarks{"无标识", "None"};
// These six also head the printed table's columns on "分析结果".
inline constexpr Text kMarkPeakNo{"峰  号", "Peak number"};
inline constexpr Text kMarkName{"组份名", "Component"};
inline constexpr Text kMarkTime{"保留时间", "Retention time"};
inline constexpr Text kMarkArea{"面  积", "Area"};
inline constexpr Text kMarkHeight{"高  度", "Height"};
inline constexpr Text kMarkContent{"含  量", "Content"};

inline constexpr Text kResultsOn{"打印分析结果", "Print the results"};
inline constexpr Text kColAreaHeight{"面积高度比", "Area/height"};
inline constexpr Text kColResolution{"分离度", "Resolution"};
inline constexpr Text kColPlates{"理论塔板", "Plates"};
inline constexpr Text kColTailing{"拖尾因子", "Tailing"};
inline constexpr Text kColAreaPercent{"面积百分比", "Area %"};
inline constexpr Text kColPeakType{"峰类型", "Peak type"};
inline constexpr Text kLineSpacing{"行间距:", "Line spacing:"};

}  // namespace lx::texts
