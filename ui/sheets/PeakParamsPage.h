#pragma once
// "判峰参数": the integration parameters, the lock time (kept with the channel set-up) and the
// time program.

#include "core/Prompter.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/SheetPage.h"
#include "ui/sheets/TimeProgramEditor.h"

namespace lx {

class PeakParamsPage : public SheetPage {
public:
    explicit PeakParamsPage(Prompter& prompter, QWidget* parent = nullptr);
    void Load(const CTzLabDoc& doc) override;
    void Store(CTzLabDoc& doc) const override;

private:
    NumberBox *m_HalfWidth, *m_Slope, *m_MinArea, *m_MinHeight, *m_TimeDoubling, *m_HeightRatio;
    NumberBox *m_SampleWeight, *m_SampleVolume, *m_IsConc1, *m_LockTime;
    FlagBox *m_AutoTailing, *m_AutoLeading, *m_UseTimeProgram;
    ChoiceBox* m_DeleteMode;
    TimeProgramEditor* m_TimeProgram;
};

}  // namespace lx
