#include "ui/sheets/PeakParamsPage.h"

#include <QGridLayout>
#include <QGroupBox>

#include "ui/sheets/NumberFields.h"
#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

PeakParamsPage::PeakParamsPage(Prompter& prompter, QWidget* parent) : SheetPage(parent) {
    m_HalfWidth = MakeHalfWidthBox("m_HalfWidth");
    m_Slope = MakeSlopeBox("m_Slope");
    m_MinArea = MakeAmountBox("m_MinArea", 3);
    m_MinHeight = MakeAmountBox("m_MinHeight", 3);
    m_TimeDoubling = MakeMinutesBox("m_TimeDoubling");
    m_HeightRatio = MakeAmountBox("m_HeightRatio", 3);
    m_SampleWeight = MakeAmountBox("m_SampleWeight", 4);
    m_SampleVolume = MakeAmountBox("m_SampleVolume", 4);
    m_IsConc1 = MakeAmountBox("m_IsConc1", 4);
    m_LockTime = MakeMinutesBox("lockTime");
    m_AutoTailing = new FlagBox(texts::kAutoTailing, "m_AutoTailing");
    m_AutoLeading = new FlagBox(texts::kAutoLeading, "m_AutoLeading");
    m_UseTimeProgram = new FlagBox(texts::kUseTimeProgram, "m_UseTimeProgram");
    m_DeleteMode = new ChoiceBox({T(texts::kDeleteRedetect), T(texts::kDeleteLeaveOut)});
    m_DeleteMode->setObjectName("m_DeleteMode");
    m_TimeProgram = new TimeProgramEditor(prompter);

    // Detection on the left, quantitation factors on the right, the time program below.
    auto* detection = new QFormLayout;
    AddRow(detection, texts::kHalfWidth, m_HalfWidth);
    AddRow(detection, texts::kSlope, m_Slope);
    AddRow(detection, texts::kMinArea, m_MinArea);
    AddRow(detection, texts::kMinHeight, m_MinHeight);
    AddRow(detection, texts::kTimeDoubling, m_TimeDoubling);
    AddRow(detection, texts::kLockTime, m_LockTime);
    auto* factors = new QFormLayout;
    AddRow(factors, texts::kHeightRatio, m_HeightRatio);
    AddRow(factors, texts::kSampleWeight, m_SampleWeight);
    AddRow(factors, texts::kSampleVolume, m_SampleVolume);
    AddRow(factors, texts::kIsConc1, m_IsConc1);
    AddRow(factors, texts::kDeleteMode, m_DeleteMode);
    factors->addRow(m_AutoTailing);
    factors->addRow(m_AutoLeading);

    auto* program = new QGroupBox;
    auto* programLayout = new QVBoxLayout(program);
    programLayout->addWidget(m_UseTimeProgram);
    programLayout->addWidget(m_TimeProgram);

    auto* layout = new QGridLayout(this);
    layout->addLayout(detection, 0, 0);
    layout->addLayout(factors, 0, 1);
    layout->addWidget(program, 1, 0, 1, 2);
}

void PeakParamsPage::Load(const CTzLabDoc& doc) {
    const IntegrationParams& p = doc.m_Params;
    m_HalfWidth->Load(p.m_HalfWidth);
    m_Slope->Load(p.m_Slope);
    m_MinArea->Load(p.m_MinArea);
    m_MinHeight->Load(p.m_MinHeight);
    m_TimeDoubling->Load(p.m_TimeDoubling);
    m_HeightRatio->Load(p.m_HeightRatio);
    m_SampleWeight->Load(p.m_SampleWeight);
    m_SampleVolume->Load(p.m_SampleVolume);
    m_IsConc1->Load(p.m_IsConc1);
    m_AutoTailing->Load(p.m_AutoTailing);
    m_AutoLeading->Load(p.m_AutoLeading);
    m_DeleteMode->Load(p.m_DeleteMode);
    m_UseTimeProgram->Load(p.m_UseTimeProgram);
    m_LockTime->Load(doc.m_ChannelSetup.lockTime);
    m_TimeProgram->Load(doc.m_TimeProgram);
}

void PeakParamsPage::Store(CTzLabDoc& doc) const {
    IntegrationParams& p = doc.m_Params;
    p.m_HalfWidth = static_cast<std::int32_t>(m_HalfWidth->Exact());
    p.m_Slope = m_Slope->Exact();
    p.m_MinArea = m_MinArea->Exact();
    p.m_MinHeight = m_MinHeight->Exact();
    p.m_TimeDoubling = m_TimeDoubling->Exact();
    p.m_HeightRatio = m_HeightRatio->Exact();
    p.m_SampleWeight = m_SampleWeight->Exact();
    p.m_SampleVolume = m_SampleVolume->Exact();
    p.m_IsConc1 = m_IsConc1->Exact();
    p.m_AutoTailing = m_AutoTailing->Value();
    p.m_AutoLeading = m_AutoLeading->Value();
    p.m_DeleteMode = m_DeleteMode->Value();
    p.m_UseTimeProgram = m_UseTimeProgram->Value();
    doc.m_ChannelSetup.lockTime = m_LockTime->Exact();
    doc.m_TimeProgram = m_TimeProgram->Program();
}

}  // namespace lx
