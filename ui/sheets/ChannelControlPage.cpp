#include "ui/sheets/ChannelControlPage.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cstdint>
#include <limits>

#include "core/Format.h"
#include "core/TzdFile.h"
#include "ui/sheets/NumberFields.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

constexpr double kMaxMillivolts = 2500.0;  // the receiver clamps samples to +-2.5 V

FlagBox* Flag(const Text& text, const char* name, QLayout* layout) {
    auto* box = new FlagBox(text, name);
    layout->addWidget(box);
    return box;
}

NumberBox* Millivolts(const char* name) {
    auto* box = new NumberBox(-kMaxMillivolts, kMaxMillivolts, 3);
    box->setObjectName(name);
    box->setSuffix(T(texts::kMillivoltSuffix));
    return box;
}

TextBox* TextField(const char* name) {
    auto* box = new TextBox;
    box->setObjectName(name);
    box->setMinimumWidth(160);
    return box;
}

}  // namespace

ChannelControlPage::ChannelControlPage(QWidget* parent) : SheetPage(parent) {
    // The run: its kind, length and what happens to its values.
    auto* run = new QGroupBox;
    auto* runLayout = new QVBoxLayout(run);
    m_RunKind = new RadioPair(texts::kStandardRun, 0, texts::kSampleRun, 1, run);
    m_RunKind->First()->setObjectName("runKindStandard");
    m_RunKind->Second()->setObjectName("runKindSample");
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_RunKind->First());
    kinds->addWidget(m_RunKind->Second());
    kinds->addStretch();
    runLayout->addLayout(kinds);
    m_StopTime = MakeMinutesBox("stopTime");
    auto* stopForm = new QFormLayout;
    AddRow(stopForm, texts::kStopTime, m_StopTime);
    runLayout->addLayout(stopForm);
    m_ZeroAtStart = Flag(texts::kZeroAtStart, "zeroAtStart", runLayout);
    m_Invert = Flag(texts::kInvert, "invert", runLayout);
    auto* baseline = new QHBoxLayout;
    m_BaselineOn = Flag(texts::kBaselineOn, "baselineOn", baseline);
    m_BaselineFile = TextField("baselineFile");
    NameControl(m_BaselineFile, texts::kBaselineFile);
    baseline->addWidget(m_BaselineFile, 1);
    auto* browse = MakeButton(texts::kBrowse);
    browse->setObjectName("chooseBaselineFile");
    browse->setAccessibleDescription(T(texts::kChooseBaseline));
    connect(browse, &QPushButton::clicked, this, &ChannelControlPage::ChooseBaselineFile);
    baseline->addWidget(browse);
    runLayout->addLayout(baseline);
    m_ShowAtEnd = Flag(texts::kShowAtEnd, "showAtEnd", runLayout);
    m_AutoSave = Flag(texts::kAutoSave, "autoSave", runLayout);
    m_AutoPrint = Flag(texts::kAutoPrint, "autoPrint", runLayout);
    runLayout->addStretch();

    // How the run's file is named and where it goes.
    auto* naming = new QGroupBox;
    auto* namingLayout = new QVBoxLayout(naming);
    auto* namingForm = new QFormLayout;
    m_Prefix = TextField("prefix");
    AddRow(namingForm, texts::kPrefix, m_Prefix);
    namingLayout->addLayout(namingForm);
    auto* parts = new QHBoxLayout;
    m_YearOn = Flag(texts::kYearOn, "yearOn", parts);
    m_MonthOn = Flag(texts::kMonthOn, "monthOn", parts);
    m_DayOn = Flag(texts::kDayOn, "dayOn", parts);
    m_TimeOn = Flag(texts::kTimeOn, "timeOn", parts);
    m_NumberOn = Flag(texts::kNumberOn, "numberOn", parts);
    parts->addStretch();
    namingLayout->addLayout(parts);
    auto* numberForm = new QFormLayout;
    m_FileNumber = new NumberBox(0, std::numeric_limits<std::int32_t>::max(), 0);
    m_FileNumber->setObjectName("fileNumber");
    AddRow(numberForm, texts::kFileNumber, m_FileNumber);
    m_Folder = TextField("folder");
    AddRow(numberForm, texts::kFolder, m_Folder);
    namingLayout->addLayout(numberForm);
    namingLayout->addStretch();

    // The live plot's axes.
    auto* axes = new QGroupBox;
    auto* axesLayout = new QGridLayout(axes);
    m_TimeMin = MakeMinutesBox("timeMin");
    m_TimeMax = MakeMinutesBox("timeMax");
    m_LevelMin = Millivolts("levelMin");
    m_LevelMax = Millivolts("levelMax");
    axesLayout->addWidget(LabelFor(texts::kTimeMin, m_TimeMin), 0, 0);
    axesLayout->addWidget(m_TimeMin, 0, 1);
    axesLayout->addWidget(LabelFor(texts::kTimeMax, m_TimeMax), 0, 2);
    axesLayout->addWidget(m_TimeMax, 0, 3);
    axesLayout->addWidget(LabelFor(texts::kLevelMin, m_LevelMin), 1, 0);
    axesLayout->addWidget(m_LevelMin, 1, 1);
    axesLayout->addWidget(LabelFor(texts::kLevelMax, m_LevelMax), 1, 2);
    axesLayout->addWidget(m_LevelMax, 1, 3);
    auto* fixes = new QHBoxLayout;
    m_FixX = Flag(texts::kFixX, "fixX", fixes);
    m_FixY = Flag(texts::kFixY, "fixY", fixes);
    fixes->addStretch();
    axesLayout->addLayout(fixes, 2, 0, 1, 4);

    auto* layout = new QGridLayout(this);
    layout->addWidget(run, 0, 0, 2, 1);
    layout->addWidget(naming, 0, 1);
    layout->addWidget(axes, 1, 1);
}

void ChannelControlPage::Load(const CTzLabDoc& doc) {
    const ChannelSetup& c = doc.m_ChannelSetup;
    m_RunKind->Load(c.runKind);
    m_StopTime->Load(c.stopTime);
    m_ZeroAtStart->Load(c.zeroAtStart);
    m_Invert->Load(c.invert);
    m_BaselineOn->Load(c.baselineOn);
    m_BaselineFile->Load(c.baselineFile);
    m_ShowAtEnd->Load(c.showAtEnd);
    m_AutoSave->Load(c.autoSave);
    m_AutoPrint->Load(c.autoPrint);
    m_Prefix->Load(c.prefix);
    m_YearOn->Load(c.yearOn);
    m_MonthOn->Load(c.monthOn);
    m_DayOn->Load(c.dayOn);
    m_TimeOn->Load(c.timeOn);
    m_NumberOn->Load(c.numberOn);
    m_FileNumber->Load(c.fileNumber);
    m_Folder->Load(c.folder);
    m_TimeMin->Load(doc.SpanToMinutes(c.timeMin), c.timeMin);
    m_TimeMax->Load(doc.SpanToMinutes(c.timeMax), c.timeMax);
    m_LevelMin->Load(c.levelMin / 1000.0, c.levelMin);
    m_LevelMax->Load(c.levelMax / 1000.0, c.levelMax);
    m_FixX->Load(c.fixX);
    m_FixY->Load(c.fixY);
}

void ChannelControlPage::Store(CTzLabDoc& doc) const {
    // An untouched limit keeps its exact index or microvolts: minutes and millivolts shown to
    // three places would not always convert back to the same number.
    const auto index = [&](const NumberBox* box) {
        return box->Edited() ? doc.TimeToIndex(box->value())
                             : static_cast<std::int32_t>(box->Kept());
    };
    const auto microvolts = [](const NumberBox* box) {
        return static_cast<std::int32_t>(box->Edited() ? box->value() * 1000.0 : box->Kept());
    };
    ChannelSetup& c = doc.m_ChannelSetup;
    c.runKind = m_RunKind->Value();
    c.stopTime = m_StopTime->Exact();
    c.zeroAtStart = m_ZeroAtStart->Value();
    c.invert = m_Invert->Value();
    c.baselineOn = m_BaselineOn->Value();
    c.baselineFile = m_BaselineFile->Value();
    c.showAtEnd = m_ShowAtEnd->Value();
    c.autoSave = m_AutoSave->Value();
    c.autoPrint = m_AutoPrint->Value();
    c.prefix = m_Prefix->Value();
    c.yearOn = m_YearOn->Value();
    c.monthOn = m_MonthOn->Value();
    c.dayOn = m_DayOn->Value();
    c.timeOn = m_TimeOn->Value();
    c.numberOn = m_NumberOn->Value();
    c.fileNumber = static_cast<std::int32_t>(m_FileNumber->Exact());
    c.folder = m_Folder->Value();
    c.timeMin = index(m_TimeMin);
    c.timeMax = index(m_TimeMax);
    c.levelMin = microvolts(m_LevelMin);
    c.levelMax = microvolts(m_LevelMax);
    c.fixX = m_FixX->Value();
    c.fixY = m_FixY->Value();
}

void ChannelControlPage::CheckBaseline(Prompter& prompter) {
    if (!m_BaselineOn->isChecked() || (!m_BaselineOn->Edited() && !m_BaselineFile->Edited()))
        return;  // off, or on with the file it had: the channel has that baseline already
    const std::string path = m_BaselineFile->Value();
    if (path.empty()) {
        prompter.Inform(Tr(texts::kBaselineNameEmpty), Prompter::Icon::Error);
    } else if (LoadTzdFile(path).ok()) {
        return;
    } else {
        prompter.Inform(Format(Tr(texts::kBaselineUnreadable), path.c_str()),
                        Prompter::Icon::Error);
    }
    m_BaselineOn->setChecked(false);
}

void ChannelControlPage::ChooseBaselineFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, T(texts::kChooseBaseline), m_BaselineFile->text(), T(texts::kChromatogramFilter));
    if (!path.isEmpty())
        m_BaselineFile->setText(path);
}

}  // namespace lx
