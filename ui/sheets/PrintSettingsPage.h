#pragma once
// "打印设置": the print settings in four sub-pages, "报告内容", "仪器信息", "谱图信息" and
// "分析结果".

#include <QTabWidget>

#include <vector>

#include "core/Prompter.h"
#include "ui/sheets/PrintControls.h"
#include "ui/sheets/SheetPage.h"

namespace lx {

class PrintSettingsPage : public SheetPage {
public:
    explicit PrintSettingsPage(Prompter& prompter, QWidget* parent = nullptr);
    void Load(const CTzLabDoc& doc) override { LoadSettings(doc.m_PrintSettings); }
    void Store(CTzLabDoc& doc) const override { StoreSettings(doc.m_PrintSettings); }

    // Fills every sub-page from `print`: the record's own settings or a template.
    void LoadSettings(const PrintSettings& print);
    void StoreSettings(PrintSettings& print) const;

private:
    std::vector<PrintSubPage*> m_Pages;
};

}  // namespace lx
