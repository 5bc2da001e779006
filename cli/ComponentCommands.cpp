#include "cli/ComponentCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/ProjectFile.h"
#include "core/Format.h"
#include "quant/QuantTexts.h"
#include "quant/views/ComponentTableRows.h"

namespace lx::cli {
namespace {

struct ComponentOptions {
    std::string project;
    std::optional<bool> answer;
    // add
    std::string name;
    std::optional<double> time;
    std::optional<double> window;
    bool internalStandard = false;
    std::optional<int> reference;
    // remove, concentration, curve
    std::optional<int> id;
    std::optional<int> level;
    std::optional<double> value;
    std::optional<int> curveType;
    NumberOptions numbers;
};

// The row of component `id`, or the refusal already reported.
std::optional<int> RowOf(const CPrjDoc& project, std::int32_t id) {
    const int row = project.FindComponent(id);
    if (row < 0) {
        Fail(Format(Tr(texts::kNoSuchComponent), id));
        return std::nullopt;
    }
    return row;
}

int RunAdd(const ComponentOptions& o, CPrjDoc& project) {
    if (o.reference) {
        const CComponentItem* standard = project.ComponentAt(project.FindComponent(*o.reference));
        if (!standard || !standard->m_IsInternalStandard)
            return Fail(Format(Tr(texts::kNotAnInternalStandard), *o.reference));
    }
    ComponentDraft draft = NewComponentDraft(project);
    draft.item.m_Name = o.name;
    draft.item.m_RetentionTime = *o.time;
    draft.item.m_TimeWindow = o.window.value_or(draft.item.m_TimeWindow);
    const std::int32_t id = *AcceptComponentDraft(project, draft);  // a new one always goes in
    // What the options say wins over the dialog's guess of an internal standard.
    CComponentItem& added = *project.ComponentAt(project.FindComponent(id));
    if (o.internalStandard) {
        added.m_IsInternalStandard = 1;
        added.m_ReferenceIs = -1;
    } else if (o.reference) {
        added.m_ReferenceIs = *o.reference;
    }
    std::cout << id << "\n";
    return kOk;
}

int RunRemove(const ComponentOptions& o, CPrjDoc& project, Prompter& prompter) {
    const auto row = RowOf(project, *o.id);
    if (!row)
        return kFailed;
    const std::string& name = project.m_Components[static_cast<std::size_t>(*row)].m_Name;
    if (!prompter.Confirm(Format(Tr(lx::texts::kConfirmDeleteComponent), name.c_str())))
        return kFailed;
    project.RemoveComponent(*row);
    project.m_Modified = true;
    return kOk;
}

int RunConcentration(const ComponentOptions& o, CPrjDoc& project) {
    const auto row = RowOf(project, *o.id);
    if (!row)
        return kFailed;
    if (*o.level > project.m_LevelCount)
        return Fail(Format(Tr(texts::kNoSuchLevel), *o.level));
    SetLevelConcentration(project, *row, *o.level, *o.value);
    return kOk;
}

int RunCurve(const ComponentOptions& o, CPrjDoc& project, Prompter& prompter) {
    const auto row = RowOf(project, *o.id);
    if (!row)
        return kFailed;
    if (project.m_Components[static_cast<std::size_t>(*row)].m_CurveType != *o.curveType)
        ToggleCurveType(project, *row, prompter);
    return kOk;
}

}  // namespace

void AddComponentCommands(CLI::App* project, int& exitCode, const std::string& home) {
    auto o = std::make_shared<ComponentOptions>();
    auto* component = project->add_subcommand("component", Tr(texts::kComponentHelp));
    component->add_option("PROJECT", o->project, Tr(texts::kProjectFileHelp))->required();
    component->require_subcommand(1);
    auto run = [o, &exitCode, &home](auto operation) {
        return [o, &exitCode, &home, operation] {
            exitCode = o->numbers.StoreThenRun([&] {
                return WithProject(
                    o->project, home, o->answer,
                    [&](CPrjDoc& p, CliPrompter& prompter) { return operation(*o, p, prompter); });
            });
        };
    };
    constexpr Bounds kIds{0, 2147483647};
    auto& n = o->numbers;

    auto* add = component->add_subcommand("add", Tr(texts::kComponentAddHelp));
    add->add_option("--name", o->name, Tr(texts::kComponentNameHelp))->required();
    n.Add(add, "--time", o->time, {0, 100000}, texts::kRetentionTimeHelp, Tr(texts::kMinutesUnit))
        ->required();
    n.Add(add, "--window", o->window, {0, 100000}, texts::kWindowHelp, Tr(texts::kMinutesUnit));
    auto* is =
        add->add_flag("--internal-standard", o->internalStandard, Tr(texts::kInternalStandardHelp));
    n.Add(add, "--reference", o->reference, kIds, texts::kReferenceIdHelp)->excludes(is);
    add->callback(
        run([](const ComponentOptions& opt, CPrjDoc& p, Prompter&) { return RunAdd(opt, p); }));

    auto* remove = component->add_subcommand("remove", Tr(texts::kComponentRemoveHelp));
    n.Add(remove, "--id", o->id, kIds, texts::kComponentIdHelp)->required();
    AddAnswerFlags(remove, o->answer);
    remove->callback(run(RunRemove));

    auto* concentration = component->add_subcommand("concentration", Tr(texts::kConcentrationHelp));
    n.Add(concentration, "--id", o->id, kIds, texts::kComponentIdHelp)->required();
    n.Add(concentration, "--level", o->level, {1, 1000}, texts::kLevelHelp)->required();
    n.Add(concentration, "--value", o->value, {0, 1e12}, texts::kValueHelp)->required();
    concentration->callback(run([](const ComponentOptions& opt, CPrjDoc& p, Prompter&) {
        return RunConcentration(opt, p);
    }));

    // The curve type lives only as long as the project is open: the fit made here is kept,
    // the next calibration fits through the origin again.
    auto* curve = component->add_subcommand("curve", Tr(texts::kCurveHelp));
    n.Add(curve, "--id", o->id, kIds, texts::kComponentIdHelp)->required();
    n.Add(curve, "--type", o->curveType, {0, 1}, texts::kCurveTypeHelp)->required();
    curve->callback(run(RunCurve));
}

}  // namespace lx::cli
