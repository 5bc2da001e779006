#include "ui/sheets/ChromatogramPrintPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

// The peak-label bits, shared with the plot's own labels.
constexpr std::int32_t kLabelsOn = 0x40;

QCheckBox* MakeCheck(const Text& text, const char* name) {
    auto* box = new QCheckBox(T(text));
    box->setAccessibleName(T(text));
    box->setObjectName(name);
    return box;
}

NumberBox* Centimetres(const char* name) {
    auto* box = new NumberBox(0.0, 100.0, 2);
    box->setObjectName(name);
    box->setSuffix(T(texts::kCentimetreSuffix));
    return box;
}

}  // namespace

ChromatogramPrintPage::ChromatogramPrintPage(QWidget* parent) : PrintSubPage(parent) {
    using P = PrintSettings;
    m_AxisStyle = std::make_unique<PrintStyle>(texts::kFont, texts::kAxisFontRow, &P::axisFont,
                                               &P::axisColour, "axis");
    m_MarkStyle = std::make_unique<PrintStyle>(texts::kFont, texts::kMarkFontRow, &P::markFont,
                                               &P::markColour, "mark");
    auto* fonts = new QGridLayout;
    int row = 0;
    for (const auto& [text, style] : {std::pair{&texts::kAxisFontRow, m_AxisStyle.get()},
                                      std::pair{&texts::kMarkFontRow, m_MarkStyle.get()}}) {
        fonts->addWidget(new QLabel(T(*text)), row, 0);
        fonts->addWidget(style->Font(), row, 1);
        fonts->addWidget(style->Colour(), row, 2);
        ++row;
    }
    fonts->setColumnStretch(3, 1);

    auto* picture = new QGroupBox;
    auto* pictureLayout = new QGridLayout(picture);
    pictureLayout->addWidget(m_Flags.Add(texts::kChromOn, &P::chromOn, "chromOn"), 0, 0);
    pictureLayout->addWidget(m_Flags.Add(texts::kAxesOn, &P::axesOn, "axesOn"), 0, 1);
    pictureLayout->addWidget(
        m_Flags.Add(texts::kIntegrationLinesOn, &P::integrationLinesOn, "integrationLinesOn"), 1,
        0);
    pictureLayout->addWidget(m_Flags.Add(texts::kFrameOn, &P::frameOn, "frameOn"), 1, 1);
    // Listed portrait first, as the workstation did; the record's flag is 1 for portrait.
    m_Portrait = std::make_unique<RadioPair>(texts::kLandscape, 0, texts::kPortrait, 1, picture);
    m_Portrait->First()->setObjectName("landscape");
    m_Portrait->Second()->setObjectName("portrait");
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(new QLabel(T(texts::kOrientation)));
    orientation->addWidget(m_Portrait->Second());
    orientation->addWidget(m_Portrait->First());
    orientation->addStretch();
    pictureLayout->addLayout(orientation, 2, 0, 1, 2);
    auto* size = new QFormLayout;
    m_Width = Centimetres("chromWidthCm");
    m_Height = Centimetres("chromHeightCm");
    m_Align = MakeAlignmentBox("chromAlign");
    AddRow(size, texts::kChromWidth, m_Width);
    AddRow(size, texts::kChromHeight, m_Height);
    AddRow(size, texts::kChromAlign, m_Align);
    pictureLayout->addLayout(size, 3, 0, 1, 2);

    auto* marks = new QGroupBox(T(texts::kMarksGroup));
    auto* marksLayout = new QGridLayout(marks);
    marksLayout->addWidget(m_Flags.Add(texts::kVerticalMarks, &P::verticalMarks, "verticalMarks"),
                           0, 0);
    m_NoMarks = MakeCheck(texts::kNoMarks, "noMarks");
    connect(m_NoMarks, &QCheckBox::toggled, this, &ChromatogramPrintPage::EnableMarks);
    marksLayout->addWidget(m_NoMarks, 0, 1);
    const struct {
        const Text& text;
        std::int32_t bit;
        const char* name;
    } bits[] = {
        {texts::kMarkPeakNo, 0x01, "markPeakNo"}, {texts::kMarkName, 0x02, "markName"},
        {texts::kMarkTime, 0x04, "markTime"},     {texts::kMarkArea, 0x10, "markArea"},
        {texts::kMarkHeight, 0x20, "markHeight"}, {texts::kMarkContent, 0x08, "markContent"},
    };
    int at = 0;
    for (const auto& bit : bits) {
        auto* box = MakeCheck(bit.text, bit.name);
        m_MarkBits.emplace_back(box, bit.bit);
        marksLayout->addWidget(box, 1 + at / 3, at % 3);
        ++at;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fonts);
    auto* groups = new QHBoxLayout;
    groups->addWidget(picture);
    groups->addWidget(marks);
    layout->addLayout(groups);
    layout->addStretch();
}

ChromatogramPrintPage::~ChromatogramPrintPage() = default;

void ChromatogramPrintPage::Load(const PrintSettings& print) {
    m_AxisStyle->Load(print);
    m_MarkStyle->Load(print);
    m_Flags.Load(print);
    m_Portrait->Load(print.portrait);
    m_Width->Load(print.chromWidthCm);
    m_Height->Load(print.chromHeightCm);
    m_Align->Load(print.chromAlign);
    m_KeptMarks = print.printMarks;
    m_NoMarks->setChecked((print.printMarks & kLabelsOn) == 0);
    for (const auto& [box, bit] : m_MarkBits)
        box->setChecked((print.printMarks & bit) != 0);
    EnableMarks();
}

void ChromatogramPrintPage::Store(PrintSettings& print) const {
    m_AxisStyle->Store(print);
    m_MarkStyle->Store(print);
    m_Flags.Store(print);
    print.portrait = m_Portrait->Value();
    print.chromWidthCm = static_cast<float>(m_Width->Exact());
    print.chromHeightCm = static_cast<float>(m_Height->Exact());
    print.chromAlign = m_Align->Value();
    const auto setBit = [](std::int32_t marks, std::int32_t bit, bool on) {
        return on ? (marks | bit) : (marks & ~bit);
    };
    std::int32_t marks = setBit(m_KeptMarks, kLabelsOn, !m_NoMarks->isChecked());
    for (const auto& [box, bit] : m_MarkBits)
        marks = setBit(marks, bit, box->isChecked());
    print.printMarks = marks;
}

void ChromatogramPrintPage::EnableMarks() {
    // Which labels to print means nothing while none are printed.
    for (const auto& mark : m_MarkBits)
        mark.first->setEnabled(!m_NoMarks->isChecked());
}

}  // namespace lx
