#pragma once
// " 采样控制 ": how a channel records and names its runs. The axis limits are shown in minutes
// and millivolts and kept in the record as sample indices (at the record's rate) and microvolts.

#include "core/Prompter.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/RadioPair.h"
#include "ui/sheets/SheetPage.h"

namespace lx {

class ChannelControlPage : public SheetPage {
public:
    explicit ChannelControlPage(QWidget* parent = nullptr);
    void Load(const CTzLabDoc& doc) override;
    void Store(CTzLabDoc& doc) const override;

    // Before the sheet is accepted: a baseline subtraction switched on, or given another file,
    // needs a file that opens as a chromatogram. When it does not, the operator is told and the
    // subtraction is switched off again.
    void CheckBaseline(Prompter& prompter);

private:
    void ChooseBaselineFile();

    RadioPair* m_RunKind;
    NumberBox* m_StopTime;
    FlagBox *m_ZeroAtStart, *m_Invert, *m_BaselineOn, *m_ShowAtEnd, *m_AutoSave, *m_AutoPrint;
    TextBox* m_BaselineFile;
    TextBox* m_Prefix;
    FlagBox *m_YearOn, *m_MonthOn, *m_DayOn, *m_TimeOn, *m_NumberOn;
    NumberBox* m_FileNumber;
    TextBox* m_Folder;
    NumberBox *m_TimeMin, *m_TimeMax, *m_LevelMin, *m_LevelMax;
    FlagBox *m_FixX, *m_FixY;
};

}  // namespace lx
