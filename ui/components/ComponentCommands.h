#pragma once
// The component commands of the chromatogram view, and its reference-peak commands. Each works
// on the method project the chromatogram belongs to (passed as its open session) and makes its
// change as one undo step of that session; a command that is refused, cancelled or answered No
// leaves the project and the undo stack as they were. Peaks are counted from 0 here; -1 means
// no peak is selected.
//
// Whether the view's three component commands are offered is the engine's
// ComponentCommandsEnabled (quant/views/ComponentTableRows.h): not under the fingerprint
// method. The commands refuse themselves there as well.

#include <QWidget>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "quant/views/ComponentTableRows.h"
#include "ui/project/ProjectUndo.h"

namespace lx {

// "添加组份(&P)": "新组份" opens on the component whose window covers the selected peak, or on a
// new component at the peak's time cut to three decimals (with no peak selected, 100 minutes
// after the last component). OK replaces that component, or adds the new one (referring to the
// table's only internal standard under the internal-standard method). True when the project
// took the dialog's component.
bool AddComponentFromPeak(ProjectSession& session, const CTzLabDoc& chromatogram, int peak,
                          QWidget* parent);

// "删除组份(&E)": the component the selected peak is identified as goes, after
// "是否删除组份[%s]!". False, with no question, for a peak without a component.
bool DeleteComponentOfPeak(ProjectSession& session, const CTzLabDoc& chromatogram, int peak,
                           Prompter& prompter);

// "输出组份表(&O)": after "是否将所有峰信息输出至组份表!", a component for every peak that no
// component covers within half its window, in peak order. Returns how many were added.
int AddComponentsForAllPeaks(ProjectSession& session, const CTzLabDoc& chromatogram,
                             Prompter& prompter);

// The two reference-peak commands are offered for fingerprint projects only.
bool ReferencePeakCommandsEnabled(const CPrjDoc& project);

// "设置参照内标物" proposes the selected peak's time cut to three decimals and a window of 0.01;
// on OK and the operator's Yes the peak becomes the reference internal standard of this
// chromatogram's own standard record ("是否设置当前所选峰为参照内标!"), or of every standard
// record ("是否设置当前所选峰为所有标准图谱的参照内标!"). True when a record changed; a
// chromatogram that is no standard of the project changes none.
bool SetReferencePeakOfChromatogram(ProjectSession& session, const CTzLabDoc& chromatogram,
                                    int peak, Prompter& prompter, QWidget* parent);
bool SetReferencePeakOfAllStandards(ProjectSession& session, const CTzLabDoc& chromatogram,
                                    int peak, Prompter& prompter, QWidget* parent);

}  // namespace lx
