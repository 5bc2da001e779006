#pragma once
// The overlay commands of an analysis window: loading and unloading chromatograms on top of
// its own, the processing commands that add a result as a new overlay and make it current,
// the baseline shift of the current overlay in place, and the staggered display. Every
// command first puts the window's document at the head of the list (it stays entry 0).
//
// After every change Changed() asks the window to redraw (PlotOverlaysOf gives the plot its
// traces); ShowAxes() names the chromatogram whose axes (AxesOf) the view changes to.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "core/CTzLabDoc.h"
#include "core/Language.h"
#include "core/Prompter.h"
#include "process/OverlayList.h"

class QAction;

namespace lx {

class OverlayCommands : public QObject {
    Q_OBJECT
public:
    // `doc` is the window's own chromatogram, whose m_PathName is read at every command (a
    // Save As renames it); dialogs and file choosers open over `parent`.
    OverlayCommands(CTzLabDoc& doc, Prompter& prompter, QWidget* parent);

    OverlayList& List() { return m_List; }
    const OverlayList& List() const { return m_List; }

    // The commands for the window's menus, in the workstation's order; "增加图谱(&A)" opens in
    // the folder of the window's chromatogram, "多图谱显示设置" is checked while the display is
    // staggered. They have their texts but no object names: the window names its menu items.
    QList<QAction*> Actions() const { return m_Actions; }

    // The file a modified overlay is saved to, proposed its own path; empty when cancelled.
    // The save dialog by default; tests answer it themselves.
    std::function<QString(const QString& proposed)> m_AskSavePath;
    // Runs a change of a chromatogram in place, the current overlay's (List().Current()), as a
    // step the operator knows by `stepText`; `change` lives only during the call. By default it
    // just runs it; the window makes it a step of its chromatogram's undo stack.
    std::function<void(const QString& stepText, const std::function<void()>& change)>
        m_ChangeInPlace;

public slots:
    // "增加图谱(&A)": the open dialog in `folder`, then LoadOverlay.
    void AddOverlay(const QString& folder);
    // A listed path is ignored; an unreadable file is reported. True when it was added.
    bool LoadOverlay(const QString& path);
    // "卸载图谱(&R)": the current overlay, not the window's own, after offering to save it.
    bool UnloadOverlay();
    // "图谱拟合(&U)", "图谱平滑(&M)", "导数图谱(&G)" and "图谱翻转(&F)": true when a result was
    // added; a cancelled dialog or a smoothing interval of 1 adds none.
    bool CombineOverlays();
    bool SmoothOverlay();
    bool DifferentiateOverlay();
    bool FlipOverlay();
    // "基线调整(&B)": the dialog, then ApplyBaselineShift with its answer.
    bool AskBaselineShift();
    // Shifts the current overlay through m_ChangeInPlace; false, with no step, for a shift of
    // 0 uV.
    bool ApplyBaselineShift(double mv, bool autoZero);
    // "多图谱显示设置".
    void SetStaggered(bool on);
    // The overlay the commands work on, as the panel picks it.
    void SetCurrent(int index);
    // Closing the window: each modified overlay but the window's own is offered for saving.
    void OfferToSaveAll();

signals:
    void Changed();
    void ShowAxes(const lx::CTzLabDoc& doc);

private:
    void MakeHead();
    void AddResult(CTzLabDoc result, const std::string& name);
    // The save behind the questions: the path asked, the safe save, the overlay renamed.
    bool SaveOverlay(Overlay& overlay);
    QAction* AddAction(const Text& text, std::function<void()> run);

    OverlayList m_List;
    CTzLabDoc& m_Doc;
    Prompter& m_Prompter;
    QPointer<QWidget> m_Parent;
    QList<QAction*> m_Actions;
    QAction* m_Stagger;
};

}  // namespace lx
