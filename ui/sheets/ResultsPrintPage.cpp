#include "ui/sheets/ResultsPrintPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

ResultsPrintPage::ResultsPrintPage(QWidget* parent) : PrintSubPage(parent) {
    using P = PrintSettings;
    m_Style = std::make_unique<PrintStyle>(texts::kFontSettings, texts::kResultsOn, &P::resultsFont,
                                           &P::resultsColour, "results");
    m_ResultsOn = new FlagBox(texts::kResultsOn, "resultsOn");
    connect(m_ResultsOn, &QCheckBox::toggled, this, &ResultsPrintPage::EnableColumns);
    auto* top = new QHBoxLayout;
    top->addWidget(m_ResultsOn);
    top->addWidget(m_Style->Font());
    top->addWidget(m_Style->Colour());
    top->addStretch();

    // The column names are those of the printed table's headings.
    auto* columns = new QGroupBox;
    auto* grid = new QGridLayout(columns);
    const struct {
        const Text& text;
        PrintFlagMember member;
        const char* name;
    } flags[] = {
        {texts::kMarkPeakNo, &P::colPeakNo, "colPeakNo"},
        {texts::kColAreaHeight, &P::colAreaHeight, "colAreaHeight"},
        {texts::kMarkName, &P::colName, "colName"},
        {texts::kMarkTime, &P::colTime, "colTime"},
        {texts::kMarkArea, &P::colArea, "colArea"},
        {texts::kMarkContent, &P::colContent, "colContent"},
        {texts::kColResolution, &P::colResolution, "colResolution"},
        {texts::kMarkHeight, &P::colHeight, "colHeight"},
        {texts::kColPlates, &P::colPlates, "colPlates"},
        {texts::kColTailing, &P::colTailing, "colTailing"},
        {texts::kColAreaPercent, &P::colAreaPercent, "colAreaPercent"},
        {texts::kColPeakType, &P::colPeakType, "colPeakType"},
    };
    constexpr int kColumns = 4;
    int at = 0;
    for (const auto& flag : flags) {
        grid->addWidget(m_Columns.Add(flag.text, flag.member, flag.name), at / kColumns,
                        at % kColumns);
        ++at;
    }

    m_LineSpacing = new NumberBox(0.0, 10.0, 2);
    m_LineSpacing->setObjectName("lineSpacing");
    auto* spacing = new QFormLayout;
    AddRow(spacing, texts::kLineSpacing, m_LineSpacing);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(columns);
    layout->addLayout(spacing);
    layout->addStretch();
}

ResultsPrintPage::~ResultsPrintPage() = default;

void ResultsPrintPage::Load(const PrintSettings& print) {
    m_Style->Load(print);
    m_ResultsOn->Load(print.resultsOn);
    m_Columns.Load(print);
    m_LineSpacing->Load(print.lineSpacing);
    EnableColumns();
}

void ResultsPrintPage::Store(PrintSettings& print) const {
    m_Style->Store(print);
    print.resultsOn = m_ResultsOn->Value();
    m_Columns.Store(print);
    print.lineSpacing = static_cast<float>(m_LineSpacing->Exact());
}

void ResultsPrintPage::EnableColumns() {
    m_Columns.SetEnabled(m_ResultsOn->isChecked());
}

}  // namespace lx
