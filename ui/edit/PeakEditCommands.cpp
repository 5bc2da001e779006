#include "ui/edit/PeakEditCommands.h"

#include <QActionGroup>
#include <QMenu>
#include <QUndoStack>

#include "core/Format.h"
#include "peaks/ManualEvents.h"
#include "quant/workflow/PeakComponent.h"
#include "ui/PlotWidget.h"
#include "ui/Widgets.h"
#include "ui/edit/ChromatogramEdit.h"
#include "ui/edit/EditTexts.h"
#include "ui/edit/PeakEditTool.h"
#include "ui/edit/PeakInfoDialog.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

struct ModeCommand {
    Text text;
    int mode;
};

constexpr ModeCommand kModes[] = {
    {edit::kSelectPeak, 0},
    {edit::kMoveStart, kEventMoveStart},
    {edit::kMoveApex, kEventMoveApex},
    {edit::kMoveEnd, kEventMoveEnd},
    {edit::kObliqueCut, kEventObliqueCut},
    {edit::kVerticalDrop, kEventVerticalDrop},
    {edit::kRearTangent, kEventRearTangent},
    {edit::kFrontTangent, kEventFrontTangent},
    {edit::kForcedBaseline, kEventForcedBaseline},
    {edit::kAddPeak, kEventAddPeak},
    {edit::kNegativePeak, kEventNegativePeak},
};

// The undo step's name: the command that made it.
QString StepText(int type) {
    for (const ModeCommand& command : kModes)
        if (command.mode == type)
            return T(command.text);
    return T(edit::kDeletePeak);
}

}  // namespace

PeakEditCommands::PeakEditCommands(PlotWidget& plot, CTzLabDoc& doc, QUndoStack& undo,
                                   Prompter& prompter, QWidget* dialogParent)
    : QObject(&plot),
      m_Plot(plot),
      m_Doc(doc),
      m_Undo(undo),
      m_Prompter(prompter),
      m_DialogParent(dialogParent),
      m_Tool(new PeakEditTool(plot)) {
    connect(m_Tool, &PeakEditTool::PeakClicked, this, &PeakEditCommands::SelectPeakAt);
    connect(m_Tool, &PeakEditTool::PeakDoubleClicked, this, [this](std::int32_t sample) {
        SelectPeakAt(sample);
        if (m_Doc.m_SelectedPeak >= 0)
            ShowPeakDetails();
    });
    connect(m_Tool, &PeakEditTool::EditRequested, this,
            [this](int type, std::int32_t x, std::int32_t spanEnd) { Edit(type, x, spanEnd); });
    BuildMenu();
}

void PeakEditCommands::BuildMenu() {
    m_Menu = new QMenu(T(edit::kIntegrationMenu));
    m_Modes = new QActionGroup(this);
    auto addMode = [this](const ModeCommand& command) {
        auto* action = new QAction(T(command.text), this);
        action->setCheckable(true);
        action->setData(command.mode);
        m_Modes->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = command.mode] { SetMode(mode); });
        return action;
    };
    for (const ModeCommand& command : kModes)
        m_Menu->addAction(addMode(command));
    m_Modes->actions().constFirst()->setChecked(true);
    m_OverlayModes = {addMode({edit::kMoveOverlay, PeakEditTool::kMoveOverlay}),
                      addMode({edit::kDriftCorrection, PeakEditTool::kDriftCorrection})};
    m_Menu->addSeparator();
    m_Menu->addAction(T(edit::kDeletePeak), this, &PeakEditCommands::DeleteSelectedPeak);
    m_Menu->addAction(T(edit::kPeakDetails), this, &PeakEditCommands::ShowPeakDetails);
    for (QAction* action : m_Menu->actions() + m_OverlayModes)
        action->setObjectName(CommandName(action->text()));
}

void PeakEditCommands::SetMode(int mode) {
    m_Tool->SetMode(mode);
    for (QAction* action : m_Modes->actions())
        if (action->data().toInt() == mode)
            action->setChecked(true);
}

void PeakEditCommands::SelectPeakAt(std::int32_t sample) {
    const int peak = m_Doc.PeakAt(sample);
    if (peak == m_Doc.m_SelectedPeak)
        return;
    m_Doc.m_SelectedPeak = peak;
    emit SelectionChanged();
}

void PeakEditCommands::Edit(int type, std::int32_t x, std::int32_t spanEnd) {
    const std::int32_t k = m_Doc.m_SelectedPeak;
    const bool onPeak = k >= 0 && k < std::int32_t(m_Doc.m_Peaks.size());
    if (type == kEventAddPeak) {
        if (!m_Prompter.Confirm(Tr(edit::kInsertPeakQuestion)))
            return;
    } else if (!onPeak) {
        return;  // every other edit works on the selected peak
    } else if (type == kEventNegativePeak &&
               !m_Prompter.Confirm(
                   Format(Tr(edit::kNegativeQuestion), m_Doc.m_Peaks[std::size_t(k)].m_ApexTime))) {
        return;
    }
    ChromatogramEdit step(m_Undo, m_Doc, StepText(type));
    if (EditPeaks(m_Doc, m_Prompter, ManualEventType(type), x, k, spanEnd))
        step.Commit();  // the stack's new step shows the new peaks
}

void PeakEditCommands::DeleteSelectedPeak() {
    const std::int32_t k = m_Doc.m_SelectedPeak;
    if (k < 0 || k >= std::int32_t(m_Doc.m_Peaks.size()))
        return;
    const PeakRecord& peak = m_Doc.m_Peaks[std::size_t(k)];
    if (!m_Prompter.Confirm(
            Format(Tr(edit::kDeletePeakQuestion), peak.m_ApexTime, peak.m_ComponentName.c_str())))
        return;
    Edit(kEventDeletePeak, peak.m_Apex);
}

void PeakEditCommands::ShowPeakDetails() {
    const std::int32_t k = m_Doc.m_SelectedPeak;
    if (k < 0 || k >= std::int32_t(m_Doc.m_Peaks.size()))
        return;
    PeakInfoDialog dialog(m_Doc, k, m_DialogParent);
    if (dialog.exec() != QDialog::Accepted || !dialog.Changed())
        return;
    if (m_Prompter.Confirm(Tr(edit::kChangeNameQuestion))) {
        ChromatogramEdit step(m_Undo, m_Doc, T(edit::kPeakDetails));
        ChangePeakComponent(m_Doc, k, dialog.TypedName(), dialog.ChosenComponent(), m_Prompter);
        step.Commit();
    }
    emit PeaksChanged();
}

}  // namespace lx
