#pragma once
// "手动积分": the manual integration events of the chromatogram, which every integration
// replays, and the switch that replays them. Events are made in the plot; here they are only
// looked at and removed. The page edits its own copy of the list.

#include <QTreeWidget>

#include <vector>

#include "core/Prompter.h"
#include "ui/sheets/KeptControls.h"
#include "ui/sheets/SheetPage.h"

namespace lx {

class ManualEventsPage : public SheetPage {
public:
    explicit ManualEventsPage(Prompter& prompter, QWidget* parent = nullptr);
    void Load(const CTzLabDoc& doc) override;
    void Store(CTzLabDoc& doc) const override;

    void DeleteSelected();
    void ClearAll();

private:
    void Rebuild();

    Prompter& m_Prompter;
    std::vector<ManualEvent> m_Events;
    FlagBox* m_UseManualEvents;
    QTreeWidget* m_List;
};

}  // namespace lx
