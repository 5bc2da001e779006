#pragma once
// Messages of calibration and quantitation, as the operator reads them.

namespace lx::texts {

inline constexpr const char* kEmptyComponentTable = "组份表为空,请重新设置组份表!";
inline constexpr const char* kZeroResponse =
    "某些组份为峰面积或峰高值为零,\n\n可能组份表中时间间隔设置有误。\n\n请修改组份表!";
inline constexpr const char* kZeroConcentration = "某些组份浓度为零,请重新设置组份表!";

}  // namespace lx::texts

namespace lx::texts {

// The component table ("组份表").
inline constexpr const char* kColNumber = "序 号";
inline constexpr const char* kColInternalStandard = "对 应 内 标";
inline constexpr const char* kColName = " 组  份  名";
inline constexpr const char* kColRetentionTime = " 保留时间 ";
inline constexpr const char* kColTimeWindow = "时间间隔";
inline constexpr const char* kColConcentration = "第%d点浓度";
inline constexpr const char* kColCoefficientA = "校正因子 a";
inline constexpr const char* kColCoefficientB = "校正因子 b";
inline constexpr const char* kColCorrelation = " 相关系数 ";
inline constexpr const char* kColCurveType = " 曲 线 类 型 ";
inline constexpr const char* kIsInternalStandard = "内 标 物";
inline constexpr const char* kRefersTo = "对应 ";
inline constexpr const char* kNoReference = "无 对 应";
inline constexpr const char* kNoReferenceCell = "        ";
inline constexpr const char* kIndeterminate = "####";
inline constexpr const char* kThroughOrigin = "过原点直线";
inline constexpr const char* kGeneralLine = "一般直线";
inline constexpr const char* kNewComponentName = "组份%d";
inline constexpr const char* kConfirmDeleteComponent = "是否删除组份[%s]!";
inline constexpr const char* kConfirmExportPeaks = "是否将所有峰信息输出至组份表!";

// The calibration information page ("校正信息") and the standard curve.
inline constexpr const char* kInfoRetentionTime = "保留时间:";
inline constexpr const char* kInfoLevel = "第 %d 点";
inline constexpr const char* kInfoConcentration = "浓    度:";
inline constexpr const char* kInfoRepeatArea = "第%d次峰面积:";
inline constexpr const char* kInfoRepeatHeight = "第%d次峰高:";
inline constexpr const char* kInfoMean = "平均峰面积:";
inline constexpr const char* kCurveReportHeading = "标准曲线报告";
inline constexpr const char* kCurveReportComponent = "组  份: ";
inline constexpr const char* kCurveReportEquation = "标准曲线方程:  Y = %gX + %g";
inline constexpr const char* kCurveReportCorrelation = "相 关 系 数:  %1.4f";
inline constexpr const char* kCurveAxisX = "(含量)";
inline constexpr const char* kCurveAxisArea = "(面积)";
inline constexpr const char* kCurveAxisHeight = "(高度)";

}  // namespace lx::texts

namespace lx::texts {

// Parts of a project file, named when one is cut short or damaged.
inline constexpr const char* kPartProjectInfo = "项目信息";
inline constexpr const char* kPartFileLists = "图谱文件列表";
inline constexpr const char* kPartComponents = "组份表";
inline constexpr const char* kPartMethodTemplate = "方法参数";

}  // namespace lx::texts

namespace lx::texts {

// Creating, filling and using a method project.
inline constexpr const char* kBadMethodName = "方法名称输入错误,请重新输入!";
inline constexpr const char* kFolderNotCreated = "文件存盘目录创建错误!";
inline constexpr const char* kProjectAlreadyOpen = "方法项目文件已打开,方法项目创建失败!";
inline constexpr const char* kConfirmOverwriteProject = "方法项目文件已存在是否覆盖!";
inline constexpr const char* kRecordExists = "文件记录 <%s> 已存在!";
inline constexpr const char* kSampleExists = "文件已存在!";
inline constexpr const char* kCannotOpenRecordFile = "打开文件[%s]错误!";
inline constexpr const char* kConfirmRemoveRecord = "是否从分析项目中删除记录[%s] !";
inline constexpr const char* kConfirmRemoveAllStandards = "是否从分析项目中删除所有标准文件记录!";
inline constexpr const char* kConfirmRemoveAllSamples = "是否从分析项目中删除所有样品文件记录!";
inline constexpr const char* kConfirmRemoveMissing = "文件[%s]不存在, 是否删除记录!";
inline constexpr const char* kConfirmReferenceThisFile = "是否设置当前所选峰为参照内标!";
inline constexpr const char* kConfirmReferenceAllStandards =
    "是否设置当前所选峰为所有标准图谱的参照内标!";
inline constexpr const char* kNoProjectTemplate = "当前图谱无项目模板!";
inline constexpr const char* kConfirmTakeTemplate = "是否用项目模板的参数替换当前图谱参数!";
inline constexpr const char* kConfirmCopyToBuffer = "是否将当前图谱参数设置拷贝到项目模板参数中!";
inline constexpr const char* kConfirmPasteToTemplate = "是否粘贴参数至项目模板!";

// The project tree and the "校正设置" page.
inline constexpr const char* kNodeTemplate = "项目模板";
inline constexpr const char* kNodeStandards = "标准图谱";
inline constexpr const char* kNodeSamples = "样品图谱";
inline constexpr const char* kNodeComponents = "组 份 表";
inline constexpr const char* kNodeCurve = "标准曲线";
inline constexpr const char* kNodeMethod = "设置分析方法";
inline constexpr const char* kSuffixNormalization = " (归一法)";
inline constexpr const char* kSuffixInternalStandard = " (内标法)";
inline constexpr const char* kSuffixExternalStandard = " (外标法)";
inline constexpr const char* kSuffixIndexMethod = " (指数法)";
inline constexpr const char* kSuffixCalibratedNormalization = " (校正归一法)";
inline constexpr const char* kSuffixFingerprint = " (指纹图谱法)";
inline constexpr const char* kColStandardFile = " 标 准 品 文 件 名 ";
inline constexpr const char* kColCreated = " 创 建 日 期 ";
inline constexpr const char* kColRepeat = "次  数";
inline constexpr const char* kColLevel = "点  数";
inline constexpr const char* kColReferenceTime = "参照内标保留时间";
inline constexpr const char* kColReferenceWindow = "时间间隔";
inline constexpr const char* kCreatedFormat = "%Y.%m.%d  %H:%M";

}  // namespace lx::texts
