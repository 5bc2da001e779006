#pragma once
// The project tree's and the project menu's own texts, Chinese (the workstation's own) and
// English.

#include "core/Language.h"

namespace lx::project {

inline constexpr Text kTreeName{"分析项目", "Projects"};
inline constexpr Text kChannelA{"通道A", "Channel A"};
inline constexpr Text kChannelB{"通道B", "Channel B"};
inline constexpr Text kModifiedMark{" *", " *"};

inline constexpr Text kProjectMenu{"项目(&C)", "&Project"};
inline constexpr Text kNewProject{"新建项目(&N)", "&New Project..."};
inline constexpr Text kProperties{"项目属性...", "Project &Properties..."};
inline constexpr Text kRecalibrate{"重校正", "Recalibrate"};
inline constexpr Text kCloseProject{"关闭项目(&C)", "&Close Project"};
inline constexpr Text kSaveProject{"保存项目(&S)", "&Save Project"};
inline constexpr Text kSaveProjectAs{"项目另存为(&A)...", "Save Project &As..."};
inline constexpr Text kRemoveRecord{"删除记录", "Remove Record"};
inline constexpr Text kRemoveAllRecords{"删除所有记录", "Remove All Records"};
inline constexpr Text kPasteTemplate{"粘贴参数至项目模板", "Paste Parameters into Template"};
inline constexpr Text kEditMenu{"编辑(&E)", "&Edit"};
inline constexpr Text kUndo{"撤消", "Undo"};
inline constexpr Text kRedo{"重做", "Redo"};
inline constexpr Text kSelectorName{"当前项目", "Current project"};
inline constexpr Text kProjectFilter{"分析方法文件(*.Tzp)", "Methods (*.Tzp)"};
inline constexpr Text kSaveProjectTitle{"项目另存为", "Save Project As"};
inline constexpr Text kConfirmCloseCharts{"是否关闭所有已打开的项目图谱!",
                                          "Close every open chromatogram of the project?"};
inline constexpr Text kChannelARunning{"通道A正在采样不可更改其当前所用方法!",
                                       "Channel A is recording; its method cannot change!"};
inline constexpr Text kChannelBRunning{"通道B正在采样不可更改其当前所用方法!",
                                       "Channel B is recording; its method cannot change!"};
inline constexpr Text kSaveChangesQuestion{"将改动保存到 %s ?", "Save the changes to %s?"};

// The steps of the undo stack.
inline constexpr Text kStepRecalibrate{"重校正", "recalibration"};
inline constexpr Text kStepRemoveRecord{"删除记录", "removing a record"};
inline constexpr Text kStepRemoveAll{"删除所有记录", "removing all records"};
inline constexpr Text kStepPasteTemplate{"粘贴参数至项目模板", "pasting the template"};
inline constexpr Text kStepTemplate{"项目模板", "editing the template"};
inline constexpr Text kStepOpenRecord{"删除记录", "removing a vanished record"};

}  // namespace lx::project
