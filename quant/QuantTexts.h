#pragma once
// Messages of calibration and quantitation, as the operator reads them.

#include "core/Language.h"

namespace lx::texts {

inline constexpr Text kEmptyComponentTable{
    "组份表为空,请重新设置组份表!",
    "The component table is empty; please set up the component table!"};
inline constexpr Text kZeroResponse{
    "某些组份为峰面积或峰高值为零,\n\n可能组份表中时间间隔设置有误。\n\n请修改组份表!",
    "Some components have a peak area or height of zero;\n\nthe time windows of the component "
    "table may be wrong.\n\nPlease correct the component table!"};
inline constexpr Text kZeroConcentration{
    "某些组份浓度为零,请重新设置组份表!",
    "Some components have a concentration of zero; please set up the component table again!"};

}  // namespace lx::texts

namespace lx::texts {

// The component table ("组份表").
inline constexpr Text kColNumber{"序 号", "No."};
inline constexpr Text kColInternalStandard{"对 应 内 标", "Internal std."};
inline constexpr Text kColName{" 组  份  名", "Component"};
inline constexpr Text kColRetentionTime{" 保留时间 ", "Ret. time"};
inline constexpr Text kColTimeWindow{"时间间隔", "Window"};
inline constexpr Text kColConcentration{"第%d点浓度", "Level %d conc."};
inline constexpr Text kColCoefficientA{"校正因子 a", "Factor a"};
inline constexpr Text kColCoefficientB{"校正因子 b", "Factor b"};
inline constexpr Text kColCorrelation{" 相关系数 ", "Correlation"};
inline constexpr Text kColCurveType{" 曲 线 类 型 ", "Curve type"};
inline constexpr Text kIsInternalStandard{"内 标 物", "Internal standard"};
inline constexpr Text kRefersTo{"对应 ", "Refers to "};
inline constexpr Text kNoReference{"无 对 应", "None"};
// Blanks: the same in every language.
inline constexpr const char* kNoReferenceCell = "        ";
// A marker, not a word: the same in every language.
inline constexpr const char* kIndeterminate = "####";
inline constexpr Text kThroughOrigin{"过原点直线", "Line through origin"};
inline constexpr Text kGeneralLine{"一般直线", "General line"};
// Not translated: the name goes into the project file with the component, and a file reads the
// same whatever language wrote it.
inline constexpr const char* kNewComponentName = "组份%d";
inline constexpr Text kConfirmDeleteComponent{"是否删除组份[%s]!", "Delete component [%s]?"};
inline constexpr Text kConfirmExportPeaks{"是否将所有峰信息输出至组份表!",
                                          "Add every peak to the component table?"};

// The calibration information page ("校正信息") and the standard curve.
inline constexpr Text kInfoRetentionTime{"保留时间:", "Retention time:"};
inline constexpr Text kInfoLevel{"第 %d 点", "Level %d"};
inline constexpr Text kInfoConcentration{"浓    度:", "Concentration:"};
inline constexpr Text kInfoRepeatArea{"第%d次峰面积:", "Peak area, run %d:"};
inline constexpr Text kInfoRepeatHeight{"第%d次峰高:", "Peak height, run %d:"};
inline constexpr Text kInfoMean{"平均峰面积:", "Mean peak area:"};
inline constexpr Text kCurveReportHeading{"标准曲线报告", "Standard curve report"};
inline constexpr Text kCurveReportComponent{"组  份: ", "Component: "};
inline constexpr Text kCurveReportEquation{"标准曲线方程:  Y = %gX + %g",
                                           "Curve equation:  Y = %gX + %g"};
inline constexpr Text kCurveReportCorrelation{"相 关 系 数:  %1.4f", "Correlation:  %1.4f"};
inline constexpr Text kCurveAxisX{"(含量)", "(amount)"};
inline constexpr Text kCurveAxisArea{"(面积)", "(area)"};
inline constexpr Text kCurveAxisHeight{"(高度)", "(height)"};

}  // namespace lx::texts

namespace lx::texts {

// Parts of a project file, named when one is cut short or damaged.
inline constexpr Text kPartProjectInfo{"项目信息", "project information"};
inline constexpr Text kPartFileLists{"图谱文件列表", "chromatogram file lists"};
inline constexpr Text kPartComponents{"组份表", "component table"};
inline constexpr Text kPartMethodTemplate{"方法参数", "method parameters"};

}  // namespace lx::texts

namespace lx::texts {

// Creating, filling and using a method project.
inline constexpr Text kBadMethodName{"方法名称输入错误,请重新输入!",
                                     "The method name is not valid; please enter it again!"};
inline constexpr Text kFolderNotCreated{"文件存盘目录创建错误!",
                                        "The folder for the files could not be created!"};
inline constexpr Text kProjectAlreadyOpen{
    "方法项目文件已打开,方法项目创建失败!",
    "The method project is already open, so it cannot be created!"};
inline constexpr Text kConfirmOverwriteProject{
    "方法项目文件已存在是否覆盖!", "The method project file already exists. Overwrite it?"};
inline constexpr Text kRecordExists{"文件记录 <%s> 已存在!",
                                    "The file record <%s> already exists!"};
inline constexpr Text kSampleExists{"文件已存在!", "The file already exists!"};
inline constexpr Text kCannotOpenRecordFile{"打开文件[%s]错误!", "Error opening file [%s]!"};
inline constexpr Text kConfirmRemoveRecord{"是否从分析项目中删除记录[%s] !",
                                           "Remove the record [%s] from the project?"};
inline constexpr Text kConfirmRemoveAllStandards{
    "是否从分析项目中删除所有标准文件记录!", "Remove every standard file record from the project?"};
inline constexpr Text kConfirmRemoveAllSamples{"是否从分析项目中删除所有样品文件记录!",
                                               "Remove every sample file record from the project?"};
inline constexpr Text kConfirmRemoveMissing{"文件[%s]不存在, 是否删除记录!",
                                            "File [%s] does not exist. Remove its record?"};
inline constexpr Text kConfirmReferenceThisFile{
    "是否设置当前所选峰为参照内标!", "Make the selected peak the reference internal standard?"};
inline constexpr Text kConfirmReferenceAllStandards{
    "是否设置当前所选峰为所有标准图谱的参照内标!",
    "Make the selected peak the reference internal standard of every standard chromatogram?"};
inline constexpr Text kNoProjectTemplate{"当前图谱无项目模板!",
                                         "The current chromatogram has no project template!"};
inline constexpr Text kConfirmTakeTemplate{
    "是否用项目模板的参数替换当前图谱参数!",
    "Replace the parameters of the current chromatogram with those of the project template?"};
inline constexpr Text kConfirmCopyToBuffer{
    "是否将当前图谱参数设置拷贝到项目模板参数中!",
    "Copy the parameters of the current chromatogram into the project template?"};
inline constexpr Text kConfirmPasteToTemplate{"是否粘贴参数至项目模板!",
                                              "Paste the parameters into the project template?"};

// The project tree and the "校正设置" page.
inline constexpr Text kNodeTemplate{"项目模板", "Project template"};
inline constexpr Text kNodeStandards{"标准图谱", "Standards"};
inline constexpr Text kNodeSamples{"样品图谱", "Samples"};
inline constexpr Text kNodeComponents{"组 份 表", "Component table"};
inline constexpr Text kNodeCurve{"标准曲线", "Standard curve"};
inline constexpr Text kNodeMethod{"设置分析方法", "Analysis method"};
inline constexpr Text kSuffixNormalization{" (归一法)", " (normalization)"};
inline constexpr Text kSuffixInternalStandard{" (内标法)", " (internal standard)"};
inline constexpr Text kSuffixExternalStandard{" (外标法)", " (external standard)"};
inline constexpr Text kSuffixIndexMethod{" (指数法)", " (index method)"};
inline constexpr Text kSuffixCalibratedNormalization{" (校正归一法)", " (corrected normalization)"};
inline constexpr Text kSuffixFingerprint{" (指纹图谱法)", " (fingerprint)"};
inline constexpr Text kColStandardFile{" 标 准 品 文 件 名 ", "Standard file"};
inline constexpr Text kColCreated{" 创 建 日 期 ", "Created"};
inline constexpr Text kColRepeat{"次  数", "Run"};
inline constexpr Text kColLevel{"点  数", "Level"};
inline constexpr Text kColReferenceTime{"参照内标保留时间", "Reference ret. time"};
inline constexpr Text kColReferenceWindow{"时间间隔", "Window"};
// A date layout, not language: the same in every language.
inline constexpr const char* kCreatedFormat = "%Y.%m.%d  %H:%M";

}  // namespace lx::texts
