#pragma once
// Texts of the component table dialog, its small dialogs and the chromatogram view's component
// commands, as the operator reads them. The table's headings and the questions the engine asks
// itself live with the engine (quant/QuantTexts.h) and are shared from there.

#include "core/Language.h"

namespace lx::texts {

// "组份表"
inline constexpr Text kComponentTableTitle{"组份表", "Component Table"};
inline constexpr Text kAddComponentButton{"增加组份(&A)", "&Add Component"};
inline constexpr Text kDeleteComponentButton{"删除组份(&D)", "&Delete Component"};
inline constexpr Text kDeleteAllButton{"全部删除(&E)", "D&elete All"};
inline constexpr Text kTableOk{"确定(&Y)", "&OK"};
inline constexpr Text kTableCancel{"取消(&N)", "&Cancel"};
inline constexpr Text kConfirmDeleteAllComponents{"是否删除全部组份!", "Delete every component?"};

// "新组份"
inline constexpr Text kNewComponentTitle{"新组份", "New Component"};
inline constexpr Text kComponentNameLabel{"组 份 名:", "Component name:"};
inline constexpr Text kRetentionTimeLabel{"保留时间:", "Retention time:"};
inline constexpr Text kTimeWindowLabel{"时间间隔:", "Time window:"};

// "点": one concentration, titled by its level.
inline constexpr Text kLevelConcentrationTitle{"第%d点浓度", "Concentration of Level %d"};

// "设置参照内标物"
inline constexpr Text kReferencePeakTitle{"设置参照内标物", "Reference Internal Standard"};

// Names of the undo steps, as the project's Undo and Redo commands show them.
inline constexpr Text kStepAddComponent{"增加组份", "Add Component"};
inline constexpr Text kStepEditComponent{"修改组份", "Edit Component"};
inline constexpr Text kStepDeleteComponent{"删除组份", "Delete Component"};
inline constexpr Text kStepDeleteAllComponents{"删除全部组份", "Delete All Components"};
inline constexpr Text kStepRename{"修改组份名", "Rename Component"};
inline constexpr Text kStepRetentionTime{"修改保留时间", "Change Retention Time"};
inline constexpr Text kStepTimeWindow{"修改时间间隔", "Change Time Window"};
inline constexpr Text kStepConcentration{"修改浓度", "Change Concentration"};
inline constexpr Text kStepCurveType{"更改曲线类型", "Change Curve Type"};
inline constexpr Text kStepInternalStandard{"设置对应内标", "Set Internal Standard"};
inline constexpr Text kStepExportComponents{"输出组份表", "Peaks to Components"};
inline constexpr Text kStepReferencePeak{"设置参照内标", "Set Reference Peak"};
inline constexpr Text kStepReferenceAllStandards{"设置所有标准图谱的参照内标",
                                                 "Set Reference Peak of All Standards"};

}  // namespace lx::texts
