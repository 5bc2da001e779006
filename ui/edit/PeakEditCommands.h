#pragma once
// Manual integration in the analysis window: the edit modes the plot's mouse works in, "删除峰",
// "设置峰属性" and the questions they ask. Every accepted edit is recorded as the chromatogram's
// manual event, integrated again (identification and quantitation included) and pushed as one
// step on the window's undo stack; a refused one changes and records nothing.

#include <QList>
#include <QObject>

#include <cstdint>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

class QAction;
class QActionGroup;
class QMenu;
class QUndoStack;
class QWidget;

namespace lx {

class PeakEditTool;
class PlotWidget;

class PeakEditCommands : public QObject {
    Q_OBJECT
public:
    // Dialogs open over `dialogParent`; questions and messages go to `prompter`.
    PeakEditCommands(PlotWidget& plot, CTzLabDoc& doc, QUndoStack& undo, Prompter& prompter,
                     QWidget* dialogParent);

    // The menu of the commands; the window that shows it deletes it with its other menus.
    QMenu* Menu() const { return m_Menu; }
    // "移动当前图谱" and "漂移校正(&P)": modes of the same mouse, shown with the overlay
    // commands.
    QList<QAction*> OverlayModes() const { return m_OverlayModes; }
    PeakEditTool& Tool() const { return *m_Tool; }

    // The commands, as the menu and the mouse run them.
    void SetMode(int mode);
    void Edit(int type, std::int32_t x, std::int32_t spanEnd = -1);
    void DeleteSelectedPeak();
    void ShowPeakDetails();
    void SelectPeakAt(std::int32_t sample);

signals:
    // The peaks may have changed outside the undo stack: the table and the plot show them
    // again.
    void PeaksChanged();
    // Another peak is selected.
    void SelectionChanged();

private:
    void BuildMenu();

    PlotWidget& m_Plot;
    CTzLabDoc& m_Doc;
    QUndoStack& m_Undo;
    Prompter& m_Prompter;
    QWidget* m_DialogParent;
    PeakEditTool* m_Tool;
    QMenu* m_Menu;
    QActionGroup* m_Modes;
    QList<QAction*> m_OverlayModes;
};

}  // namespace lx
