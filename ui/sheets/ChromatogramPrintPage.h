#pragma once
// "谱图信息": whether and how the chromatogram picture is printed, and its peak labels.

#include <QCheckBox>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "ui/sheets/PrintControls.h"
#include "ui/sheets/RadioPair.h"

namespace lx {

class ChromatogramPrintPage : public PrintSubPage {
public:
    explicit ChromatogramPrintPage(QWidget* parent = nullptr);
    ~ChromatogramPrintPage() override;
    void Load(const PrintSettings& print) override;
    void Store(PrintSettings& print) const override;

private:
    void EnableMarks();

    std::unique_ptr<PrintStyle> m_AxisStyle, m_MarkStyle;
    PrintFlagSet m_Flags;
    std::unique_ptr<RadioPair> m_Portrait;
    NumberBox *m_Width, *m_Height;
    ChoiceBox* m_Align;
    QCheckBox* m_NoMarks;  // the inverse of the labels-on bit
    std::vector<std::pair<QCheckBox*, std::int32_t>> m_MarkBits;
    std::int32_t m_KeptMarks = 0;  // bits no box shows stay as they were
};

}  // namespace lx
