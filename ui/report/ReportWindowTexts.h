#pragma once
// Texts of the report window, Chinese (the workstation's own) and English: its menus and
// commands, the find and page setup dialogs, its questions and messages.

#include "core/Language.h"

namespace lx::rep {

inline constexpr Text kUntitled{"报告", "Report"};
inline constexpr Text kEditorName{"报告内容", "Report text"};
inline constexpr Text kToolBar{"报告", "Report"};

inline constexpr Text kFileMenu{"报告(&R)", "&Report"};
inline constexpr Text kOpen{"打开报告(&O)...", "&Open Report..."};
inline constexpr Text kSave{"保存报告(&S)", "&Save Report"};
inline constexpr Text kSaveAs{"报告另存为(&A)...", "Save Report &As..."};
inline constexpr Text kPrint{"打印(&P)...", "&Print..."};
inline constexpr Text kPrintPreview{"打印预览(&V)", "Print Pre&view"};
inline constexpr Text kPrintSetup{"打印设置(&R)...", "P&rint Setup..."};
inline constexpr Text kExit{"退出(&X)", "E&xit"};

inline constexpr Text kEditMenu{"编辑报告(&E)", "&Edit Report"};
inline constexpr Text kUndo{"撤消(&U)", "&Undo"};
inline constexpr Text kCut{"剪切(&T)", "Cu&t"};
inline constexpr Text kCopy{"复制(&C)", "&Copy"};
inline constexpr Text kPaste{"粘贴(&P)", "&Paste"};
inline constexpr Text kFind{"查找", "Find..."};
inline constexpr Text kFindNext{"查找下一个(&N)", "Find &Next"};
inline constexpr Text kReplace{"替换(&E)...", "R&eplace..."};

inline constexpr Text kFormatMenu{"格式(&O)", "F&ormat"};
inline constexpr Text kFont{"字体(&O)...", "F&ont..."};
inline constexpr Text kBold{"粗体(&B)", "&Bold"};
inline constexpr Text kItalic{"斜体(&I)", "&Italic"};
inline constexpr Text kUnderline{"下划线(&U)", "&Underline"};
inline constexpr Text kAlignLeft{"左对齐(&L)", "Align &Left"};
inline constexpr Text kAlignCentre{"居中(&C)", "&Centre"};
inline constexpr Text kAlignRight{"右对齐(&R)", "Align &Right"};
inline constexpr Text kPageSetup{"页面设置(&P)", "&Page Setup..."};

inline constexpr Text kOpenTitle{"打开报告", "Open Report"};
inline constexpr Text kSaveTitle{"保存报告", "Save Report"};
inline constexpr Text kFilter{"报告文件 (*.Tze)", "Report files (*.Tze)"};
inline constexpr Text kPreviewTitle{"打印预览", "Print Preview"};
inline constexpr Text kFontTitle{"字体", "Font"};

// "输出分析报告"
inline constexpr Text kClearQuestion{"输入数据之前是否先清空原有内容!",
                                     "Clear the existing content before inserting the report?"};
inline constexpr Text kOutputFailed{"打开报告输出错误!", "The report cannot be output!"};
// Document name.
inline constexpr Text kSaveQuestion{"将改动保存到 %s ?", "Save the changes to %s?"};
inline constexpr Text kNoPrinter{"没有安装打印机, 无法打印!",
                                 "No printer is installed, so nothing can be printed!"};

// The find and replace dialog.
inline constexpr Text kFindTitle{"查找", "Find"};
inline constexpr Text kReplaceTitle{"替换", "Replace"};
inline constexpr Text kFindWhat{"查找内容(&N):", "Fi&nd what:"};
inline constexpr Text kReplaceWith{"替换为(&P):", "Re&place with:"};
inline constexpr Text kWholeWord{"全字匹配(&W)", "Match &whole word only"};
inline constexpr Text kMatchCase{"区分大小写(&C)", "Match &case"};
inline constexpr Text kFindNextButton{"查找下一个(&F)", "&Find Next"};
inline constexpr Text kReplaceButton{"替换(&R)", "&Replace"};
inline constexpr Text kReplaceAllButton{"全部替换(&A)", "Replace &All"};
inline constexpr Text kClose{"取消", "Cancel"};
// The text searched for.
inline constexpr Text kNotFound{"找不到“%s”", "Cannot find \"%s\""};

// The page setup dialog: margins in hundredths of a millimetre.
inline constexpr Text kPageSetupTitle{"页面设置", "Page Setup"};
inline constexpr Text kMargins{"页边距(1/100 毫米)", "Margins (1/100 mm)"};
inline constexpr Text kMarginLeft{"左(&L):", "&Left:"};
inline constexpr Text kMarginTop{"上(&T):", "&Top:"};
inline constexpr Text kMarginRight{"右(&R):", "&Right:"};
inline constexpr Text kMarginBottom{"下(&B):", "&Bottom:"};

}  // namespace lx::rep
