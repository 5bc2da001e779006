#include "ui/overlays/OverlayCommands.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

#include "core/TzdFile.h"
#include "process/Processing.h"
#include "ui/UiTexts.h"
#include "ui/overlays/OverlayDialogs.h"
#include "ui/overlays/OverlayTexts.h"
#include "ui/sheets/SheetControls.h"

namespace lx {

OverlayCommands::OverlayCommands(CTzLabDoc& doc, Prompter& prompter, QWidget* parent)
    : QObject(parent), m_Doc(doc), m_Prompter(prompter), m_Parent(parent) {
    m_AskSavePath = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(m_Parent, T(ui::kSaveChromatogramTitle), proposed,
                                            T(ui::kTzdFilter));
    };
    m_ChangeInPlace = [](const QString&, const std::function<void()>& change) { change(); };

    AddAction(texts::kLoadOverlay, [this] { AddOverlay(QFileInfo(Q(m_Doc.m_PathName)).path()); });
    AddAction(texts::kUnloadOverlay, [this] { UnloadOverlay(); });
    AddAction(texts::kCombineOverlays, [this] { CombineOverlays(); });
    AddAction(texts::kSmoothOverlay, [this] { SmoothOverlay(); });
    AddAction(texts::kDerivativeOverlay, [this] { DifferentiateOverlay(); });
    AddAction(texts::kFlipOverlay, [this] { FlipOverlay(); });
    AddAction(texts::kShiftBaseline, [this] { AskBaselineShift(); });
    m_Stagger =
        AddAction(texts::kStaggerOverlays, [this] { SetStaggered(m_Stagger->isChecked()); });
    m_Stagger->setCheckable(true);

    // The panel shows the window's own chromatogram from the start.
    MakeHead();
}

QAction* OverlayCommands::AddAction(const Text& text, std::function<void()> run) {
    auto* action = new QAction(T(text), this);
    connect(action, &QAction::triggered, this, std::move(run));
    m_Actions << action;
    return action;
}

void OverlayCommands::MakeHead() {
    m_List.MakeHead(m_Doc, m_Doc.m_PathName);
    // The list took the path when the window's chromatogram joined it; a save since has moved it.
    m_List.at(0).m_Path = m_Doc.m_PathName;
}

void OverlayCommands::AddOverlay(const QString& folder) {
    MakeHead();
    const QString path = QFileDialog::getOpenFileName(m_Parent, T(texts::kLoadOverlayTitle), folder,
                                                      T(ui::kTzdFilter));
    if (!path.isEmpty())
        LoadOverlay(path);
}

bool OverlayCommands::LoadOverlay(const QString& path) {
    MakeHead();
    if (!m_List.Load(S(path), m_Prompter))
        return false;
    emit Changed();
    emit ShowAxes(*m_List.Current()->m_Doc);
    return true;
}

bool OverlayCommands::SaveOverlay(Overlay& overlay) {
    QString path = m_AskSavePath(Q(overlay.m_Path));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".Tzd";
    if (const Status saved = SaveTzdFile(*overlay.m_Doc, S(path)); !saved.ok()) {
        m_Prompter.Inform(saved.error(), Prompter::Icon::Error);
        return false;
    }
    overlay.m_Path = S(path);
    overlay.m_Modified = false;
    return true;
}

bool OverlayCommands::UnloadOverlay() {
    MakeHead();
    if (!m_List.UnloadCurrent(m_Prompter, [this](Overlay& o) { return SaveOverlay(o); }))
        return false;
    emit Changed();
    emit ShowAxes(*m_List.Current()->m_Doc);
    return true;
}

void OverlayCommands::OfferToSaveAll() {
    MakeHead();
    m_List.OfferToSaveAll(m_Prompter, [this](Overlay& o) { return SaveOverlay(o); });
    emit Changed();
}

void OverlayCommands::AddResult(CTzLabDoc result, const std::string& name) {
    const Overlay& added = m_List.Add(std::move(result), name, true);
    emit Changed();
    emit ShowAxes(*added.m_Doc);
}

bool OverlayCommands::CombineOverlays() {
    MakeHead();
    CombineDialog dialog(m_List, m_Parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CTzLabDoc& a = *m_List.at(static_cast<std::size_t>(dialog.First())).m_Doc;
    const CTzLabDoc& b = *m_List.at(static_cast<std::size_t>(dialog.Second())).m_Doc;
    const bool subtracts = dialog.Subtracts();
    // The result is named after the current overlay, whichever two were combined.
    const std::string name =
        ResultName(m_List.Current()->m_Path, subtracts ? Processing::kSubtract : Processing::kAdd);
    AddResult(subtracts ? Subtract(a, b, m_Prompter) : Add(a, b, m_Prompter), name);
    return true;
}

bool OverlayCommands::SmoothOverlay() {
    MakeHead();
    SmoothDialog dialog(m_Parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const Overlay& source = *m_List.Current();
    std::optional<CTzLabDoc> smoothed = Smooth(*source.m_Doc, dialog.Width(), m_Prompter);
    if (!smoothed)
        return false;
    AddResult(std::move(*smoothed), ResultName(source.m_Path, Processing::kSmooth));
    return true;
}

bool OverlayCommands::DifferentiateOverlay() {
    MakeHead();
    const Overlay& source = *m_List.Current();
    AddResult(Derivative(*source.m_Doc, m_Prompter),
              ResultName(source.m_Path, Processing::kDerivative));
    return true;
}

bool OverlayCommands::FlipOverlay() {
    MakeHead();
    const Overlay& source = *m_List.Current();
    AddResult(Flip(*source.m_Doc, m_Prompter), ResultName(source.m_Path, Processing::kFlip));
    return true;
}

bool OverlayCommands::AskBaselineShift() {
    MakeHead();
    BaselineDialog dialog(m_Parent);
    return dialog.exec() == QDialog::Accepted &&
           ApplyBaselineShift(dialog.Millivolts(), dialog.AutoZero());
}

bool OverlayCommands::ApplyBaselineShift(double mv, bool autoZero) {
    MakeHead();
    Overlay& overlay = *m_List.Current();
    if (BaselineShift(*overlay.m_Doc, mv, autoZero) == 0)
        return false;
    const bool own = overlay.m_Doc == &m_Doc;
    m_ChangeInPlace(T(texts::kStepShiftBaseline), [&] {
        ShiftBaseline(*overlay.m_Doc, mv, autoZero, m_Prompter);
        // The window keeps its own chromatogram's unsaved state and asks about it itself.
        if (!own)
            overlay.m_Modified = true;
    });
    emit Changed();
    return true;
}

void OverlayCommands::SetStaggered(bool on) {
    MakeHead();
    m_List.SetStaggered(on);
    m_Stagger->setChecked(on);
    emit Changed();
}

void OverlayCommands::SetCurrent(int index) {
    MakeHead();
    m_List.SetCurrent(index);
    emit Changed();
}

}  // namespace lx
