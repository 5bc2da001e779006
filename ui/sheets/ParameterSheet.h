#pragma once
// "参数设置": the parameter sheet of a channel or of a chromatogram in the analysis window.
// Its pages edit their own copies of the record's method parts; OK writes every page back
// into the record, Cancel leaves the record untouched.

#include <QDialog>
#include <QTabWidget>

#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Language.h"
#include "core/PrintSettings.h"
#include "core/Prompter.h"
#include "quant/workflow/MethodTemplate.h"

class QDialogButtonBox;

namespace lx {

class ChannelControlPage;
class PrintSettingsPage;
class SheetPage;

enum class SheetKind {
    Channel,  // " 采样控制 ", "图谱属性", "判峰参数", "手动积分", "打印设置", "导入参数..."
    Chromatogram,  // "图谱属性", "判峰参数", "手动积分", "打印设置"
};

class ParameterSheet : public QDialog {
public:
    // `record` and `printTemplate` must outlive the sheet. Questions and messages of the pages go
    // to `prompter`. `printTemplate` is the application-wide print settings that "导入参数..." of
    // the channel sheet fills the print page from; the chromatogram sheet does not offer it.
    ParameterSheet(CTzLabDoc& record, SheetKind kind, Prompter& prompter,
                   const PrintSettings& printTemplate, QWidget* parent = nullptr);

    // Writes every page back into the record, then closes with Accepted. On the channel sheet
    // a baseline subtraction that was switched on needs its file first (see ChannelControlPage).
    void accept() override;

    // "导入参数...": the print page shows the template's settings; the record changes only on OK.
    void ImportPrintSettings();

    // The chromatogram sheet's exchange with the project template: the template's parameters
    // into the sheet (the record takes them on OK), or the sheet's into the program-wide
    // buffer that the main window pastes into a project's template. Without a project both
    // say that there is no template.
    void EnableTemplateExchange(const CPrjDoc* project, ParameterBuffer& buffer);
    void TakeTemplate();
    void CopyToTemplate();

private:
    void AddPage(SheetPage* page, const char* objectName, const Text& title);

    CTzLabDoc& m_Record;
    Prompter& m_Prompter;
    const PrintSettings& m_PrintTemplate;
    std::vector<SheetPage*> m_Pages;
    ChannelControlPage* m_ChannelPage = nullptr;  // the channel sheet's only
    PrintSettingsPage* m_PrintPage = nullptr;
    QDialogButtonBox* m_Buttons = nullptr;
    const CPrjDoc* m_Project = nullptr;
    ParameterBuffer* m_Buffer = nullptr;
    bool m_TemplateTaken = false;

    // The record as the pages now show it.
    CTzLabDoc Draft() const;
    QTabWidget* m_Tabs;
};

}  // namespace lx
