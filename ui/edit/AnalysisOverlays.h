#pragma once
// The overlays of one analysis window as its plot, its overlay list and its undo stack see
// them: the plot draws every overlay under the window's chromatogram, the list shows them
// beside the plot once there is more than one, and what changes a chromatogram in place
// (baseline adjustment, drift correction) or moves an overlay is a step of the window's undo
// stack. An overlay unloaded takes the steps that could touch it along: the stack starts again,
// the window's modified mark stays as it was.

#include <QObject>
#include <QPoint>

#include <functional>
#include <set>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "core/Rgb.h"

class QUndoStack;

namespace lx {

class OverlayCommands;
class OverlayPanel;
class PlotWidget;
struct Overlay;

class AnalysisOverlays : public QObject {
    Q_OBJECT
public:
    AnalysisOverlays(CTzLabDoc& doc, PlotWidget& plot, QUndoStack& undo, Prompter& prompter,
                     QWidget* window);

    OverlayCommands& Commands() const { return *m_Commands; }
    OverlayPanel* Panel() const { return m_Panel; }

    // The list shows the window's own chromatogram in the colour the plot draws it in.
    void SetOwnColour(Rgb colour);

    // A line the operator laid in the plot (pixels from the plot area's corner): "移动当前图谱"
    // moves the current overlay by it, "漂移校正" levels the current chromatogram along it.
    void LayLine(int mode, QPoint from, QPoint to);

signals:
    // The undo stack is about to start again: what is modified stays modified.
    void UndoAboutToClear();

private:
    void ChangeInPlace(const QString& stepText, const std::function<void()>& change);
    void MoveCurrent(QPoint by);
    void CorrectDrift(QPoint from, QPoint to);
    // The plot's traces and the list as the overlays are now.
    void Show();
    // Steps that name an overlay no longer listed go, with every other step.
    void ForgetUnloaded();

    CTzLabDoc& m_Doc;
    PlotWidget& m_Plot;
    QUndoStack& m_Undo;
    Prompter& m_Prompter;
    OverlayCommands* m_Commands;
    OverlayPanel* m_Panel;
    // The chromatograms (other than the window's) that steps of the stack change.
    std::set<const CTzLabDoc*> m_Stepped;
};

}  // namespace lx
