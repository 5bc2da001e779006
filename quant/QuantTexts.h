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
