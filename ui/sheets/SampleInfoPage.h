#pragma once
// "图谱属性": what the operator wrote about the sample, and when the chromatogram was made.

#include <QLineEdit>

#include "ui/sheets/KeptControls.h"
#include "ui/sheets/SheetPage.h"

namespace lx {

class SampleInfoPage : public SheetPage {
public:
    explicit SampleInfoPage(QWidget* parent = nullptr);
    void Load(const CTzLabDoc& doc) override;
    void Store(CTzLabDoc& doc) const override;

private:
    QLineEdit* m_CreatedAt;  // shown only: a run's date is the moment it was recorded
    TextBox *m_SampleName, *m_Operator, *m_Laboratory, *m_InjectVolume;
    NotesBox* m_Notes;
};

}  // namespace lx
