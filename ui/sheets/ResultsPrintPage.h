#pragma once
// "分析结果": whether the result table is printed, in which font, with which columns and how
// far apart its rows are.

#include <memory>

#include "ui/sheets/PrintControls.h"

namespace lx {

class ResultsPrintPage : public PrintSubPage {
public:
    explicit ResultsPrintPage(QWidget* parent = nullptr);
    ~ResultsPrintPage() override;
    void Load(const PrintSettings& print) override;
    void Store(PrintSettings& print) const override;

private:
    void EnableColumns();

    std::unique_ptr<PrintStyle> m_Style;
    FlagBox* m_ResultsOn;
    PrintFlagSet m_Columns;  // usable only while the table is printed
    NumberBox* m_LineSpacing;
};

}  // namespace lx
