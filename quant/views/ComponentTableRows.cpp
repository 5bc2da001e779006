#include "quant/views/ComponentTableRows.h"

#include <cmath>
#include <optional>
#include <utility>

#include "core/Format.h"
#include "quant/QuantTexts.h"
#include "quant/calc/Calibration.h"

namespace lx {
namespace {

// An indeterminate coefficient (0/0 of a level without standards) shows as "####".
std::string Coefficient(double v) {
    return std::isnan(v) ? texts::kIndeterminate : Format("%g", v);
}

// A retention time as the view takes it from a peak: cut, not rounded, to three decimals.
double CutToThreeDecimals(double minutes) {
    return std::trunc(minutes * 1000) / 1000;
}

CComponentItem DefaultComponent(const CPrjDoc& project) {
    CComponentItem c;
    c.m_Name = Format(texts::kNewComponentName, static_cast<int>(project.m_Components.size() + 1));
    return c;
}

bool Covers(const CComponentItem& c, double T, double halfWidth) {
    return c.m_RetentionTime - halfWidth <= T && T <= c.m_RetentionTime + halfWidth;
}

// Rows whose reference is not (or no longer) an internal standard lose it.
void DropStaleReferences(CPrjDoc& project) {
    for (CComponentItem& c : project.m_Components) {
        const CComponentItem* s = project.ComponentAt(project.FindReference(c));
        if (c.m_ReferenceIs >= 0 && (!s || !s->m_IsInternalStandard)) {
            c.m_IsInternalStandard = 0;
            c.m_ReferenceIs = -1;
        }
    }
}

// The rows listed after "内 标 物" in the popup of `row`.
std::vector<int> OtherInternalStandards(const CPrjDoc& project, int row) {
    std::vector<int> rows;
    for (std::size_t r = 0; r < project.m_Components.size(); ++r)
        if (static_cast<int>(r) != row && project.m_Components[r].m_IsInternalStandard)
            rows.push_back(static_cast<int>(r));
    return rows;
}

}  // namespace

std::vector<ComponentColumn> ComponentColumns(const CPrjDoc& project) {
    std::vector<ComponentColumn> columns{{ComponentColumn::Number, 0, Tr(texts::kColNumber)}};
    if (project.m_Method == kInternalStandard)
        columns.push_back({ComponentColumn::InternalStandard, 0, Tr(texts::kColInternalStandard)});
    columns.push_back({ComponentColumn::Name, 0, Tr(texts::kColName)});
    columns.push_back({ComponentColumn::RetentionTime, 0, Tr(texts::kColRetentionTime)});
    columns.push_back({ComponentColumn::TimeWindow, 0, Tr(texts::kColTimeWindow)});
    if (project.m_Method != kNormalization) {
        for (int level = 1; level <= project.m_LevelCount; ++level)
            columns.push_back({ComponentColumn::Concentration, level,
                               Format(Tr(texts::kColConcentration), level)});
        columns.push_back({ComponentColumn::CoefficientA, 0, Tr(texts::kColCoefficientA)});
        columns.push_back({ComponentColumn::CoefficientB, 0, Tr(texts::kColCoefficientB)});
        columns.push_back({ComponentColumn::Correlation, 0, Tr(texts::kColCorrelation)});
        columns.push_back({ComponentColumn::CurveType, 0, Tr(texts::kColCurveType)});
    }
    return columns;
}

std::string ComponentCellText(const CPrjDoc& project, int row, const ComponentColumn& column) {
    const CComponentItem* c = project.ComponentAt(row);
    if (!c)
        return "";
    switch (column.kind) {
        case ComponentColumn::Number:
            return Format("%d", row + 1);
        case ComponentColumn::InternalStandard: {
            if (c->m_IsInternalStandard)
                return Tr(texts::kIsInternalStandard);
            const CComponentItem* s = project.ComponentAt(project.FindReference(*c));
            return s ? std::string(Tr(texts::kRefersTo)) + s->m_Name : texts::kNoReferenceCell;
        }
        case ComponentColumn::Name:
            return c->m_Name;
        case ComponentColumn::RetentionTime:
            return Format("%g", c->m_RetentionTime);
        case ComponentColumn::TimeWindow:
            return Format("%g", c->m_TimeWindow);
        case ComponentColumn::Concentration:
            return column.level >= 1 && static_cast<std::size_t>(column.level) <= c->m_Points.size()
                       ? Format("%g", c->m_Points[static_cast<std::size_t>(column.level - 1)]
                                          .m_Concentration)
                       : "";
        case ComponentColumn::CoefficientA:
            return Coefficient(c->m_A);
        case ComponentColumn::CoefficientB:
            return Coefficient(c->m_B);
        case ComponentColumn::Correlation:
            return Format("%1.4f", c->m_R);
        case ComponentColumn::CurveType:
            return c->m_CurveType == CComponentItem::kThroughOrigin ? Tr(texts::kThroughOrigin)
                   : c->m_CurveType == CComponentItem::kGeneralLine ? Tr(texts::kGeneralLine)
                                                                    : "";
    }
    return "";
}

Rgb ComponentRowColour(int row) {
    return row % 2 == 0 ? Rgb{230, 230, 255} : Rgb{255, 255, 255};
}

void SetLevelConcentration(CPrjDoc& project, int row, int level, double concentration) {
    CComponentItem* c = project.ComponentAt(row);
    if (!c)
        return;
    auto& points = c->m_Points;
    if (level >= 1 && static_cast<std::size_t>(level) <= points.size()) {
        points[static_cast<std::size_t>(level - 1)].m_Concentration = concentration;
        project.m_Modified = true;
    }
}

void ToggleCurveType(CPrjDoc& project, int row, Prompter& prompter) {
    CComponentItem* c = project.ComponentAt(row);
    if (!c)
        return;
    auto& type = c->m_CurveType;
    type = type == CComponentItem::kThroughOrigin ? CComponentItem::kGeneralLine
                                                  : CComponentItem::kThroughOrigin;
    Calibrate(project, prompter);
}

std::vector<std::string> InternalStandardChoices(const CPrjDoc& project, int row) {
    std::vector<std::string> choices{Tr(texts::kNoReference), Tr(texts::kIsInternalStandard)};
    for (int r : OtherInternalStandards(project, row))
        choices.push_back(std::string(Tr(texts::kRefersTo)) +
                          project.m_Components[static_cast<std::size_t>(r)].m_Name);
    return choices;
}

int InitialInternalStandardChoice(const CPrjDoc& project, int row) {
    const CComponentItem* c = project.ComponentAt(row);
    if (!c)
        return 0;
    if (c->m_IsInternalStandard)
        return 1;
    const auto others = OtherInternalStandards(project, row);
    const int s = project.FindReference(*c);
    for (std::size_t i = 0; i < others.size(); ++i)
        if (others[i] == s)
            return static_cast<int>(i) + 2;
    return 0;
}

void ApplyInternalStandardChoice(CPrjDoc& project, int row, int choice) {
    if (!project.ComponentAt(row) || choice < 0)
        return;
    const auto others = OtherInternalStandards(project, row);
    auto& rows = project.m_Components;
    CComponentItem& c = rows[static_cast<std::size_t>(row)];
    if (choice == 0) {
        c.m_IsInternalStandard = 0;
        c.m_ReferenceIs = -1;
        DropStaleReferences(project);
    } else if (choice == 1) {
        c.m_IsInternalStandard = 1;
        c.m_ReferenceIs = -1;
        // In a table of one or two rows the other row can only refer to this one.
        if (rows.size() < 3)
            for (std::size_t r = 0; r < rows.size(); ++r)
                if (static_cast<int>(r) != row) {
                    rows[r].m_IsInternalStandard = 0;
                    rows[r].m_ReferenceIs = c.m_Id;
                }
    } else if (static_cast<std::size_t>(choice - 2) < others.size()) {
        // The popup lists internal standards only, so the chosen one already is one.
        c.m_IsInternalStandard = 0;
        c.m_ReferenceIs =
            rows[static_cast<std::size_t>(others[static_cast<std::size_t>(choice - 2)])].m_Id;
        DropStaleReferences(project);
    } else {
        return;
    }
    project.m_Modified = true;
}

ComponentDraft NewComponentDraft(const CPrjDoc& project) {
    ComponentDraft draft{DefaultComponent(project), -1};
    draft.item.m_RetentionTime = 0.0;
    return draft;
}

ComponentDraft ComponentDraftForPeak(const CPrjDoc& project, const CTzLabDoc& doc,
                                     int selectedPeak) {
    const bool hasPeak =
        selectedPeak >= 0 && static_cast<std::size_t>(selectedPeak) < doc.m_Peaks.size();
    if (hasPeak) {
        const double T = doc.m_Peaks[static_cast<std::size_t>(selectedPeak)].m_ApexTime;
        for (std::size_t row = 0; row < project.m_Components.size(); ++row)
            if (Covers(project.m_Components[row], T, project.m_Components[row].m_TimeWindow))
                return {project.m_Components[row], static_cast<int>(row)};
    }
    ComponentDraft draft{DefaultComponent(project), -1};
    if (hasPeak)
        draft.item.m_RetentionTime =
            CutToThreeDecimals(doc.m_Peaks[static_cast<std::size_t>(selectedPeak)].m_ApexTime);
    else
        draft.item.m_RetentionTime = project.m_Components.empty()
                                         ? 100.0
                                         : project.m_Components.back().m_RetentionTime + 100.0;
    return draft;
}

std::optional<std::int32_t> AcceptComponentDraft(CPrjDoc& project, const ComponentDraft& draft) {
    CComponentItem item = draft.item;
    if (draft.replacesRow >= 0) {
        const CComponentItem* old = project.ComponentAt(draft.replacesRow);
        if (!old)
            return std::nullopt;
        const std::int32_t id = old->m_Id;
        project.ReplaceComponent(draft.replacesRow, std::move(item));
        project.m_Modified = true;
        return id;
    }
    if (project.m_Method == kInternalStandard) {
        int standards = 0;
        std::int32_t standardId = -1;
        for (const CComponentItem& c : project.m_Components)
            if (c.m_IsInternalStandard) {
                ++standards;
                standardId = c.m_Id;
            }
        if (standards == 1) {
            item.m_IsInternalStandard = 0;
            item.m_ReferenceIs = standardId;
        }
    }
    project.m_Modified = true;
    return project.AddComponent(std::move(item));
}

bool DeleteComponentOfPeak(CPrjDoc& project, const CTzLabDoc& doc, int selectedPeak,
                           Prompter& prompter) {
    if (selectedPeak < 0 || static_cast<std::size_t>(selectedPeak) >= doc.m_Peaks.size())
        return false;
    const int row =
        project.FindComponent(doc.m_Peaks[static_cast<std::size_t>(selectedPeak)].m_Component);
    if (row < 0)
        return false;
    const std::string& name = project.m_Components[static_cast<std::size_t>(row)].m_Name;
    if (!prompter.Confirm(Format(Tr(texts::kConfirmDeleteComponent), name.c_str())))
        return false;
    project.RemoveComponent(row);
    project.m_Modified = true;
    return true;
}

int ExportPeaksToComponents(CPrjDoc& project, const CTzLabDoc& doc, Prompter& prompter) {
    if (!prompter.Confirm(Tr(texts::kConfirmExportPeaks)))
        return 0;
    int added = 0;
    for (const PeakRecord& p : doc.m_Peaks) {
        bool covered = false;
        for (const CComponentItem& c : project.m_Components)
            covered = covered || Covers(c, p.m_ApexTime, c.m_TimeWindow / 2);
        if (covered)
            continue;
        CComponentItem c = DefaultComponent(project);
        c.m_RetentionTime = CutToThreeDecimals(p.m_ApexTime);
        project.AddComponent(std::move(c));
        ++added;
    }
    project.m_Modified = true;
    return added;
}

bool ComponentCommandsEnabled(const CPrjDoc& project) {
    return project.m_Method != kFingerprint;
}

}  // namespace lx
