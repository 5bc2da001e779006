#pragma once
// The component table as the dialog "组份表" shows and edits it, without the dialog: its
// columns and cell texts by method, and the editing rules. The desktop's list adapts this.

#include <optional>
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "core/Rgb.h"
#include "quant/CPrjDoc.h"

namespace lx {

struct ComponentColumn {
    enum Kind {
        Number,
        InternalStandard,
        Name,
        RetentionTime,
        TimeWindow,
        Concentration,
        CoefficientA,
        CoefficientB,
        Correlation,
        CurveType
    };
    Kind kind;
    int level = 0;  // for Concentration, from 1
    std::string header;
};

// Number, [internal standard: internal-standard method only], name, time, window, then for
// every method but normalization the level concentrations, a, b, r and the curve type.
std::vector<ComponentColumn> ComponentColumns(const CPrjDoc& project);
std::string ComponentCellText(const CPrjDoc& project, int row, const ComponentColumn& column);

// Rows alternate: even rows (from 0) light blue, odd rows white.
Rgb ComponentRowColour(int row);

void SetLevelConcentration(CPrjDoc& project, int row, int level, double concentration);
// Switches between a line through the origin and a general line, and calibrates at once.
void ToggleCurveType(CPrjDoc& project, int row, Prompter& prompter);

// The popup of the "对 应 内 标" cell: "无 对 应", "内 标 物", then "对应 " + name for every
// other internal standard; and the entry it opens on (a row that refers to an internal
// standard opens on that standard's entry).
std::vector<std::string> InternalStandardChoices(const CPrjDoc& project, int row);
int InitialInternalStandardChoice(const CPrjDoc& project, int row);
void ApplyInternalStandardChoice(CPrjDoc& project, int row, int choice);

// A component as the "新组份" dialog opens on it, and the row an accepted edit replaces (-1
// for a new component, which has no ID until it is accepted).
struct ComponentDraft {
    CComponentItem item;
    int replacesRow = -1;
};
// From the dialog's "增加组份(&A)": name "组份<n+1>", time 0, the default window.
ComponentDraft NewComponentDraft(const CPrjDoc& project);
// From the chromatogram view's "添加组份(&P)" on the selected peak (-1 for none): the row
// whose band covers it, or a new component at the peak's time cut to three decimals (with no
// peak, the last row's time + 100).
ComponentDraft ComponentDraftForPeak(const CPrjDoc& project, const CTzLabDoc& doc,
                                     int selectedPeak);
// OK in "新组份": a new component gets the next ID and refers to the table's only internal
// standard (internal standard method); an edited row is replaced and keeps its ID. Returns the
// component's ID, or nothing when the row to replace is gone.
std::optional<std::int32_t> AcceptComponentDraft(CPrjDoc& project, const ComponentDraft& draft);

// "删除组份(&E)" of the view: the component of the selected peak, after the question.
bool DeleteComponentOfPeak(CPrjDoc& project, const CTzLabDoc& doc, int selectedPeak,
                           Prompter& prompter);
// "输出组份表(&O)": after the question, a component for every peak that no row covers within
// half its window; returns how many were added.
int ExportPeaksToComponents(CPrjDoc& project, const CTzLabDoc& doc, Prompter& prompter);
// The view's three component commands are off under the fingerprint method.
bool ComponentCommandsEnabled(const CPrjDoc& project);

}  // namespace lx
