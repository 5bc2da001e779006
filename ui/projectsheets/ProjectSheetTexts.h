#pragma once
// Texts of the new-project wizard and of the project properties sheet, as the operator reads
// them. The messages of creating a project and of its records are the engine's (QuantTexts.h);
// these are the words of the windows around them, with the workstation's own spacing.

#include "core/Language.h"

namespace lx::texts {

// The new-project wizard
inline constexpr Text kNewProjectTitle{"新建项目", "New Project"};
inline constexpr Text kWizardBack{"< 上一步(&B)", "< &Back"};
inline constexpr Text kWizardNext{"下一步(&N) >", "&Next >"};
inline constexpr Text kWizardFinish{"完成", "Finish"};

// Its first page, "项目属性"
inline constexpr Text kProjectInfoPage{"项目属性", "Project Properties"};
inline constexpr Text kMethodNameField{"分析项目名称:", "Method name:"};
inline constexpr Text kCreatedField{"创建日期:", "Created:"};
inline constexpr Text kOperatorField{"实 验 员:", "Operator:"};
inline constexpr Text kSampleNameField{"样品名称:", "Sample name:"};
inline constexpr Text kOrganizationField{"实验单位:", "Laboratory:"};
inline constexpr Text kInjectedField{"进 样 量:", "Injected volume:"};
inline constexpr Text kInformationField{"项目信息:", "Project information:"};

// Its second page, "分析方法": the buttons of each group in the order of the values they store.
inline constexpr Text kAnalysisMethodPage{"分析方法", "Analysis Method"};
inline constexpr Text kBasisGroup{"分析方式", "Response"};
inline constexpr Text kAreaBasisChoice{"面积法", "Area"};
inline constexpr Text kHeightBasisChoice{"高度法", "Height"};
inline constexpr Text kIdentGroup{"定性方法", "Identification"};
inline constexpr Text kTimeBandChoice{"时间带", "Time band"};
inline constexpr Text kClosestPeakChoice{"最接近峰", "Closest peak"};
inline constexpr Text kTimeWindowChoice{"时间窗", "Time window"};
inline constexpr Text kElutionOrderChoice{"出峰顺序", "Elution order"};
inline constexpr Text kMethodGroup{"分析方法", "Quantitation"};
inline constexpr Text kNormalizationChoice{"归一法", "Normalization"};
inline constexpr Text kInternalStandardChoice{"内标法", "Internal standard"};
inline constexpr Text kExternalStandardChoice{"外标法", "External standard"};
inline constexpr Text kIndexMethodChoice{"指数法", "Index method"};
inline constexpr Text kCalibratedNormalizationChoice{"校正归一法", "Corrected normalization"};
inline constexpr Text kFingerprintChoice{"指纹图谱", "Fingerprint"};

// The project properties sheet. Ours: the workstation's sheet took its caption from the
// project's name alone.
inline constexpr Text kPropertiesTitle{"项目属性", "Project Properties"};
inline constexpr Text kCalibrationSettingsPage{"校正设置", "Calibration Settings"};
inline constexpr Text kCalibrationInfoPage{"校正信息", "Calibration Information"};
inline constexpr Text kInfoColComponent{" 组份名 ", "Component"};
inline constexpr Text kInfoColProperty{" 属  性 ", "Property"};
inline constexpr Text kInfoColChromatogram{" 图 谱 文 件 ", "Chromatogram"};

// The small dialog of a double-click on a standard. Ours: the workstation's had no caption.
inline constexpr Text kLevelDialogTitle{"设置点数", "Calibration Level"};
inline constexpr Text kLevelField{"点  数:", "Level:"};

}  // namespace lx::texts
