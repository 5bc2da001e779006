#include "ui/sheets/ReportContentPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

ReportContentPage::ReportContentPage(QWidget* parent) : PrintSubPage(parent) {
    using P = PrintSettings;
    auto* lines = new QGroupBox;
    auto* linesGrid = new QGridLayout(lines);
    m_Header =
        std::make_unique<PrintLine>(texts::kHeader,
                                    PrintLineFields{&P::headerOn, &P::headerText, &P::headerAlign,
                                                    &P::headerFont, &P::headerColour},
                                    "header", linesGrid, 0);
    m_Title = std::make_unique<PrintLine>(
        texts::kTitle,
        PrintLineFields{&P::titleOn, &P::titleText, &P::titleAlign, &P::titleFont, &P::titleColour},
        "title", linesGrid, 1);
    m_Footer =
        std::make_unique<PrintLine>(texts::kFooter,
                                    PrintLineFields{&P::footerOn, &P::footerText, &P::footerAlign,
                                                    &P::footerFont, &P::footerColour},
                                    "footer", linesGrid, 2);
    linesGrid->setColumnStretch(1, 1);

    // The information block: its master switch with its font, then the lines it may hold.
    auto* block = new QGroupBox;
    auto* blockLayout = new QVBoxLayout(block);
    auto* master = new QHBoxLayout;
    m_ContentOn = new FlagBox(texts::kContentOn, "contentOn");
    m_BodyStyle = std::make_unique<PrintStyle>(texts::kFont, texts::kContentOn, &P::bodyFont,
                                               &P::bodyColour, "body");
    master->addWidget(m_ContentOn);
    master->addWidget(m_BodyStyle->Font());
    master->addWidget(m_BodyStyle->Colour());
    master->addStretch();
    blockLayout->addLayout(master);

    auto* grid = new QGridLayout;
    const struct {
        const Text& text;
        PrintFlagMember member;
        const char* name;
    } blockLines[] = {
        {texts::kProjectOn, &P::projectOn, "projectOn"},
        {texts::kSampleOn, &P::sampleOn, "sampleOn"},
        {texts::kInjectOn, &P::injectOn, "injectOn"},
        {texts::kFileNameOn, &P::fileNameOn, "fileNameOn"},
        {texts::kNoteOn, &P::noteOn, "noteOn"},
        {texts::kOperatorOn, &P::operatorOn, "operatorOn"},
        {texts::kDetectParamsOn, &P::detectParamsOn, "detectParamsOn"},
        {texts::kDataSizeOn, &P::dataSizeOn, "dataSizeOn"},
        {texts::kMethodOn, &P::methodOn, "methodOn"},
        {texts::kDateOn, &P::dateOn, "dateOn"},
        {texts::kUnitOn, &P::unitOn, "unitOn"},
    };
    constexpr int kColumns = 4;
    int at = 0;
    for (const auto& line : blockLines) {
        grid->addWidget(m_BlockLines.Add(line.text, line.member, line.name), at / kColumns,
                        at % kColumns);
        ++at;
    }
    blockLayout->addLayout(grid);
    auto* custom = new QHBoxLayout;
    FlagBox* customOn = m_BlockLines.Add(texts::kCustomOn, &P::customOn, "customOn");
    customOn->setText({});  // unlabelled: the two fields beside it say what it prints
    m_CustomLabel = new TextBox;
    m_CustomLabel->setObjectName("customLabel");
    NameControl(m_CustomLabel, texts::kCustomLabel);
    m_CustomValue = new TextBox;
    m_CustomValue->setObjectName("customValue");
    NameControl(m_CustomValue, texts::kCustomValue);
    custom->addWidget(customOn);
    custom->addWidget(m_CustomLabel, 1);
    custom->addWidget(m_CustomValue, 2);
    blockLayout->addLayout(custom);
    connect(m_ContentOn, &QCheckBox::toggled, this, &ReportContentPage::EnableBlockLines);

    auto* pageFlags = new QHBoxLayout;
    pageFlags->addWidget(
        m_PageFlags.Add(texts::kPageNumbersOn, &P::pageNumbersOn, "pageNumbersOn"));
    pageFlags->addWidget(
        m_PageFlags.Add(texts::kEnglishReport, &P::englishReport, "englishReport"));
    pageFlags->addWidget(m_PageFlags.Add(texts::kSimpleFormat, &P::simpleFormat, "simpleFormat"));
    pageFlags->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines);
    layout->addWidget(block);
    layout->addLayout(pageFlags);
    layout->addStretch();
}

ReportContentPage::~ReportContentPage() = default;

void ReportContentPage::Load(const PrintSettings& print) {
    m_Header->Load(print);
    m_Title->Load(print);
    m_Footer->Load(print);
    m_ContentOn->Load(print.contentOn);
    m_BodyStyle->Load(print);
    m_BlockLines.Load(print);
    m_CustomLabel->Load(print.customLabel);
    m_CustomValue->Load(print.customValue);
    m_PageFlags.Load(print);
    EnableBlockLines();
}

void ReportContentPage::Store(PrintSettings& print) const {
    m_Header->Store(print);
    m_Title->Store(print);
    m_Footer->Store(print);
    print.contentOn = m_ContentOn->Value();
    m_BodyStyle->Store(print);
    m_BlockLines.Store(print);
    print.customLabel = m_CustomLabel->Value();
    print.customValue = m_CustomValue->Value();
    m_PageFlags.Store(print);
}

void ReportContentPage::EnableBlockLines() {
    const bool on = m_ContentOn->isChecked();
    m_BlockLines.SetEnabled(on);
    m_CustomLabel->setEnabled(on);
    m_CustomValue->setEnabled(on);
}

}  // namespace lx
