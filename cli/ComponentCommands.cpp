#include "cli/ComponentCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
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
    double time = 0.0;
    std::optional<double> window;
    bool internalStandard = false;
    std::optional<std::int32_t> reference;
    // remove, concentration, curve
    std::int32_t id = -1;
    int level = 0;
    double value = 0.0;
    int curveType = 0;
};

// The row of component `id`, or the refusal already reported.
std::optional<int> RowOf(const CPrjDoc& project, std::int32_t id) {
    const int row = project.FindComponent(id);
    if (row < 0) {
        Fail(Format(texts::kNoSuchComponent, id));
        return std::nullopt;
    }
    return row;
}

int RunAdd(const ComponentOptions& o, CPrjDoc& project) {
    if (o.reference) {
        const CComponentItem* standard = project.ComponentAt(project.FindComponent(*o.reference));
        if (!standard || !standard->m_IsInternalStandard)
            return Fail(Format(texts::kNotAnInternalStandard, *o.reference));
    }
    ComponentDraft draft = NewComponentDraft(project);
    draft.item.m_Name = o.name;
    draft.item.m_RetentionTime = o.time;
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
    const auto row = RowOf(project, o.id);
    if (!row)
        return kFailed;
    const std::string& name = project.m_Components[static_cast<std::size_t>(*row)].m_Name;
    if (!prompter.Confirm(Format(lx::texts::kConfirmDeleteComponent, name.c_str())))
        return kFailed;
    project.RemoveComponent(*row);
    project.m_Modified = true;
    return kOk;
}

int RunConcentration(const ComponentOptions& o, CPrjDoc& project) {
    const auto row = RowOf(project, o.id);
    if (!row)
        return kFailed;
    if (o.level < 1 || o.level > project.m_LevelCount)
        return Fail(Format(texts::kNoSuchLevel, o.level));
    SetLevelConcentration(project, *row, o.level, o.value);
    return kOk;
}

int RunCurve(const ComponentOptions& o, CPrjDoc& project, Prompter& prompter) {
    const auto row = RowOf(project, o.id);
    if (!row)
        return kFailed;
    if (project.m_Components[static_cast<std::size_t>(*row)].m_CurveType != o.curveType)
        ToggleCurveType(project, *row, prompter);
    return kOk;
}

}  // namespace

void AddComponentCommands(CLI::App* project, int& exitCode, const std::string& home) {
    auto o = std::make_shared<ComponentOptions>();
    auto* component = project->add_subcommand("component", "Edit the component table");
    component->add_option("PROJECT", o->project, "method project (.Tzp)")->required();
    component->require_subcommand(1);
    auto run = [o, &exitCode, &home](auto operation) {
        return [o, &exitCode, &home, operation] {
            exitCode = WithProject(
                o->project, home, o->answer,
                [&](CPrjDoc& p, CliPrompter& prompter) { return operation(*o, p, prompter); });
        };
    };

    auto* add = component->add_subcommand("add", "Add a component; prints its ID");
    add->add_option("--name", o->name)->required();
    add->add_option("--time", o->time, "retention time, minutes")->required();
    add->add_option("--window", o->window, "identification window");
    auto* is = add->add_flag("--internal-standard", o->internalStandard);
    add->add_option("--reference", o->reference, "ID of its internal standard")->excludes(is);
    add->callback(
        run([](const ComponentOptions& opt, CPrjDoc& p, Prompter&) { return RunAdd(opt, p); }));

    auto* remove = component->add_subcommand("remove", "Remove a component");
    remove->add_option("--id", o->id)->required();
    AddAnswerFlags(remove, o->answer);
    remove->callback(run(RunRemove));

    auto* concentration = component->add_subcommand("concentration", "Set a level's concentration");
    concentration->add_option("--id", o->id)->required();
    concentration->add_option("--level", o->level, "from 1")->required();
    concentration->add_option("--value", o->value)->required();
    concentration->callback(run([](const ComponentOptions& opt, CPrjDoc& p, Prompter&) {
        return RunConcentration(opt, p);
    }));

    // The curve type lives only as long as the project is open: the fit made here is kept,
    // the next calibration fits through the origin again.
    auto* curve = component->add_subcommand(
        "curve", "Refit through the origin (0) or as a general line (1) at once");
    curve->add_option("--id", o->id)->required();
    curve->add_option("--type", o->curveType)->required()->check(CLI::IsMember({0, 1}));
    curve->callback(run(RunCurve));
}

}  // namespace lx::cli
