#pragma once
// "报告内容": the page header, title and footer, the information block with its lines, and
// the report's page numbers, language and format.

#include <memory>

#include "ui/sheets/PrintControls.h"

namespace lx {

class ReportContentPage : public PrintSubPage {
public:
    explicit ReportContentPage(QWidget* parent = nullptr);
    ~ReportContentPage() override;
    void Load(const PrintSettings& print) override;
    void Store(PrintSettings& print) const override;

private:
    void EnableBlockLines();

    std::unique_ptr<PrintLine> m_Header, m_Title, m_Footer;
    FlagBox* m_ContentOn;
    std::unique_ptr<PrintStyle> m_BodyStyle;
    PrintFlagSet m_BlockLines;  // usable only while the block is printed
    TextBox *m_CustomLabel, *m_CustomValue;
    PrintFlagSet m_PageFlags;
};

}  // namespace lx
