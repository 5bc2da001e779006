#include "ui/edit/AnalysisOverlays.h"

#include <QUndoStack>

#include "process/OverlayList.h"
#include "process/Processing.h"
#include "ui/PlotWidget.h"
#include "ui/Widgets.h"
#include "ui/edit/ChromatogramEdit.h"
#include "ui/edit/EditTexts.h"
#include "ui/edit/PeakEditTool.h"
#include "ui/overlays/OverlayCommands.h"
#include "ui/overlays/OverlayPanel.h"
#include "ui/overlays/OverlayPlot.h"
#include "ui/project/SnapshotStep.h"
#include "ui/sheets/SheetControls.h"

namespace lx {
namespace {

using Offsets = std::pair<std::int32_t, std::int32_t>;

void PlaceOverlay(Overlay& overlay, const Offsets& offsets) {
    overlay.m_OffsetX = offsets.first;
    overlay.m_OffsetY = offsets.second;
}

}  // namespace

AnalysisOverlays::AnalysisOverlays(CTzLabDoc& doc, PlotWidget& plot, QUndoStack& undo,
                                   Prompter& prompter, QWidget* window)
    : QObject(window),
      m_Doc(doc),
      m_Plot(plot),
      m_Undo(undo),
      m_Prompter(prompter),
      m_Commands(new OverlayCommands(doc, prompter, window)),
      m_Panel(new OverlayPanel(m_Commands->List())) {
    m_Commands->setParent(this);
    m_Commands->m_ChangeInPlace = [this](const QString& text, const std::function<void()>& change) {
        ChangeInPlace(text, change);
    };
    connect(m_Commands, &OverlayCommands::Changed, this, [this] {
        ForgetUnloaded();
        Show();
    });
    connect(m_Commands, &OverlayCommands::ShowAxes, this, [this](const CTzLabDoc& shown) {
        const OverlayAxes axes = AxesOf(shown);
        m_Plot.SetCoordinates(axes.timeMin, axes.timeMax, axes.mvMin, axes.mvMax);
    });
    connect(m_Panel, &OverlayPanel::CurrentChosen, m_Commands, &OverlayCommands::SetCurrent);
    m_Panel->setMinimumWidth(m_Panel->fontMetrics().horizontalAdvance(QString(28, 'M')));
    // Undo and redo move overlays and change their samples.
    connect(&m_Undo, &QUndoStack::indexChanged, this, &AnalysisOverlays::Show);
    Show();
}

void AnalysisOverlays::Show() {
    m_Plot.SetOverlays(PlotOverlaysOf(m_Commands->List(), &m_Doc));
    m_Panel->Refresh();
    m_Panel->setVisible(m_Commands->List().size() > 1);
}

void AnalysisOverlays::SetOwnColour(Rgb colour) {
    OverlayList& list = m_Commands->List();
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list.at(k).m_Doc == &m_Doc)
            list.at(k).m_Colour = colour;
    m_Panel->Refresh();
}

void AnalysisOverlays::ChangeInPlace(const QString& stepText, const std::function<void()>& change) {
    Overlay* current = m_Commands->List().Current();
    if (!current)
        return;
    CTzLabDoc& target = *current->m_Doc;
    ChromatogramEdit step(m_Undo, target, stepText, ChromatogramEdit::Samples::Changed);
    change();
    step.Commit();
    if (&target != &m_Doc)
        m_Stepped.insert(&target);
}

void AnalysisOverlays::LayLine(int mode, QPoint from, QPoint to) {
    if (mode == PeakEditTool::kMoveOverlay)
        MoveCurrent(to - from);
    else if (mode == PeakEditTool::kDriftCorrection)
        CorrectDrift(from, to);
}

void AnalysisOverlays::MoveCurrent(QPoint by) {
    OverlayList& list = m_Commands->List();
    Overlay* current = list.Current();
    // The window's own chromatogram is the one the axes belong to; it does not move.
    if (!current || current->m_Doc == &m_Doc)
        return;
    const Offsets before{current->m_OffsetX, current->m_OffsetY};
    const Offsets after{before.first + by.x(), before.second + by.y()};
    PlaceOverlay(*current, after);
    m_Undo.push(new SnapshotStep<Overlay, Offsets>(*current, before, after, &PlaceOverlay,
                                                   CommandName(T(edit::kMoveOverlay))));
    m_Stepped.insert(current->m_Doc);
    Show();
}

void AnalysisOverlays::CorrectDrift(QPoint from, QPoint to) {
    Overlay* current = m_Commands->List().Current();
    if (!current)
        return;
    // The line was laid on the trace as drawn, which an overlay may be shifted from.
    const QPoint shift =
        current->m_Doc == &m_Doc ? QPoint() : QPoint(current->m_OffsetX, current->m_OffsetY);
    const PlotScales scales = m_Plot.Scales();
    const auto a = std::int32_t(scales.IndexAt(from.x() - shift.x()));
    const auto b = std::int32_t(scales.IndexAt(to.x() - shift.x()));
    const std::int32_t va = scales.ValueAt(from.y() - shift.y());
    const std::int32_t vb = scales.ValueAt(to.y() - shift.y());
    ChangeInPlace(CommandName(T(edit::kDriftCorrection)), [&] {
        if (RemoveDrift(*current->m_Doc, a, va, b, vb, m_Prompter))
            current->m_Modified = current->m_Doc != &m_Doc;
    });
}

void AnalysisOverlays::ForgetUnloaded() {
    const OverlayList& list = m_Commands->List();
    bool gone = false;
    for (const CTzLabDoc* doc : m_Stepped) {
        bool listed = false;
        for (std::size_t k = 0; k < list.size(); ++k)
            listed = listed || list.at(k).m_Doc == doc;
        gone = gone || !listed;
    }
    if (!gone)
        return;
    emit UndoAboutToClear();
    m_Undo.clear();
    m_Stepped.clear();
}

}  // namespace lx
