#include "cli/ProjectCommands.h"

#include <iostream>
#include <map>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/ComponentCommands.h"
#include "cli/ProjectFile.h"
#include "cli/ProjectJson.h"
#include "cli/RecordJson.h"
#include "cli/TextTable.h"
#include "core/AppPaths.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "quant/calc/Calibration.h"
#include "quant/views/CalibrationRows.h"
#include "quant/views/ComponentTableRows.h"
#include "quant/views/ProjectTreeRows.h"
#include "quant/workflow/NewProject.h"
#include "quant/workflow/ProjectProcessing.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::cli {
namespace {

struct NewOptions {
    NewProjectSettings settings;
    std::string dir;
    std::optional<bool> answer;
};

int RunNew(const NewOptions& o, const std::string& home) {
    ProjectList open;
    CliPrompter prompter(o.answer);
    const std::string root = o.dir.empty() ? ApplicationDirectory(home) : AbsolutePath(o.dir);
    CPrjDoc* project = CreateProject(o.settings, root, open, prompter);
    if (!project)
        return kFailed;
    std::cout << project->m_PathName << "\n";
    return kOk;
}

void PrintTree(const ProjectTreeNode& node, int depth) {
    std::cout << std::string(static_cast<std::size_t>(depth) * 2, ' ') << node.m_Text << "\n";
    for (const ProjectTreeNode& child : node.m_Children)
        PrintTree(child, depth + 1);
}

void PrintComponentTable(const CPrjDoc& project) {
    const auto columns = ComponentColumns(project);
    std::vector<std::string> headers;
    for (const ComponentColumn& c : columns)
        headers.push_back(c.header);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t row = 0; row < project.m_Components.size(); ++row) {
        rows.emplace_back();
        for (const ComponentColumn& c : columns)
            rows.back().push_back(ComponentCellText(project, static_cast<int>(row), c));
    }
    std::cout << TextTable(headers, rows);
}

struct ShowOptions {
    std::string project;
    bool json = false;
    bool raw = false;
};

// What the project window, the component table and the "校正设置" page show, then every field.
int RunShow(const ShowOptions& o, const std::string& home) {
    return WithProject(o.project, home, std::nullopt, [&](CPrjDoc& project, CliPrompter&) -> int {
        const auto tree = ToJson(project, o.raw);
        if (o.json) {
            std::cout << WithSchema(tree).dump(2, ' ', false,
                                               nlohmann::ordered_json::error_handler_t::replace)
                      << "\n";
            return kOk;
        }
        PrintTree(BuildProjectNode(project), 0);
        std::cout << "\n";
        PrintComponentTable(project);
        std::cout << "\n";
        const CalibrationSettingsTable settings = BuildCalibrationSettings(project);
        std::vector<std::vector<std::string>> rows;
        for (const auto& row : settings.m_Rows)
            rows.push_back(row.m_Cells);
        std::cout << TextTable(settings.m_Headers, rows);
        std::cout << "\n" << ToText(tree);
        return kOk;
    });
}

// The list and index of the record of `file`: the standards, the second list, the samples.
std::optional<std::pair<RecordList, int>> FindAnyRecord(const CPrjDoc& project,
                                                        const std::string& file) {
    for (RecordList list :
         {RecordList::kStandards, RecordList::kSecondStandards, RecordList::kSamples}) {
        int index = FindRecord(project, list, AbsolutePath(file));
        if (index < 0)
            index = FindRecord(project, list, file);  // a stored name given as it stands
        if (index >= 0)
            return std::pair{list, index};
    }
    return std::nullopt;
}

struct RecordOptions {
    std::string project;
    std::string file;
    std::string which;
    int level = 0;
    int peak = -1;
    bool all = false;
    std::optional<double> time, window;
    std::optional<bool> answer;
};

int RunAddStandard(const RecordOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            return AddStandardFile(project, AbsolutePath(o.file), prompter) ? kOk : kFailed;
        });
}

int RunAddSample(const RecordOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            return AddSampleFile(project, AbsolutePath(o.file), prompter) ? kOk : kFailed;
        });
}

int RunRemove(const RecordOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            const auto record = FindAnyRecord(project, o.file);
            if (!record)
                return Fail(Format(texts::kNoSuchRecord, o.file.c_str()));
            return RemoveRecord(project, record->first, record->second, prompter) ? kOk : kFailed;
        });
}

int RunRemoveAll(const RecordOptions& o, const std::string& home) {
    return WithProject(o.project, home, o.answer,
                       [&](CPrjDoc& project, CliPrompter& prompter) -> int {
                           const RecordList list =
                               o.which == "samples" ? RecordList::kSamples : RecordList::kStandards;
                           return RemoveAllRecords(project, list, prompter) ? kOk : kFailed;
                       });
}

int RunSetLevel(const RecordOptions& o, const std::string& home) {
    return WithProject(o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter&) -> int {
        const auto record = FindAnyRecord(project, o.file);
        if (!record || record->first != RecordList::kStandards)
            return Fail(Format(texts::kNoSuchRecord, o.file.c_str()));
        if (!SetStandardLevel(project, record->second, o.level))
            return Fail(Format(texts::kNoSuchLevel, o.level));
        return kOk;
    });
}

int RunCalibrate(const RecordOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            const bool silent = project.m_Components.empty() && project.m_Method == kNormalization;
            if (!Calibrate(project, prompter) && !silent)
                return kFailed;
            PrintComponentTable(project);
            return kOk;
        });
}

int RunReference(const RecordOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, o.answer, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            if (project.m_Method != kFingerprint)
                return Fail(texts::kNotFingerprint);
            auto doc = LoadTzdFile(AbsolutePath(o.file));
            if (!doc.ok())
                return Fail(doc.error());
            if (o.peak < 0 || static_cast<std::size_t>(o.peak) >= doc->m_Peaks.size())
                return Fail(Format(texts::kNoSuchPeak, o.peak));
            ReferencePeak reference =
                ProposedReference(doc->m_Peaks[static_cast<std::size_t>(o.peak)]);
            reference.m_RetentionTime = o.time.value_or(reference.m_RetentionTime);
            reference.m_Window = o.window.value_or(reference.m_Window);
            if (!SetReferencePeak(project, doc.value(), o.peak, reference, o.all, prompter))
                return Fail(Format(texts::kNoSuchRecord, o.file.c_str()));
            return kOk;
        });
}

// The codes of the wizard's radio groups, by number or by name.
const std::map<std::string, int> kMethods{
    {"normalization", 0}, {"internal-standard", 1},        {"external-standard", 2},
    {"index", 3},         {"calibrated-normalization", 4}, {"fingerprint", 5}};
const std::map<std::string, int> kBases{{"area", 0}, {"height", 1}};
const std::map<std::string, int> kIdentModes{
    {"time-band", 0}, {"relative-window", 1}, {"nearest", 2}, {"elution-order", 3}};

// A radio group of the wizard: a name or its code (the transformer takes either).
void AddChoice(CLI::App* cmd, const std::string& name, std::int32_t& value,
               const std::map<std::string, int>& names, const std::string& help) {
    std::string choices;
    for (const auto& [text, code] : names)
        choices += (choices.empty() ? "" : ", ") + text + "=" + std::to_string(code);
    cmd->add_option(name, value, help + ": " + choices + " (left out: -1, nothing)")
        ->transform(CLI::CheckedTransformer(names).description(""))
        ->type_name("NAME|CODE");
}

void AddNew(CLI::App* project, int& exitCode, const std::string& home) {
    auto o = std::make_shared<NewOptions>();
    auto* cmd = project->add_subcommand(
        "new", "Create a method project NAME/NAME.Tzp under the application directory");
    cmd->add_option("NAME", o->settings.m_MethodName, "method name")->required();
    AddChoice(cmd, "--method", o->settings.m_Method, kMethods, "quantitation method");
    AddChoice(cmd, "--basis", o->settings.m_Basis, kBases, "response basis");
    AddChoice(cmd, "--ident", o->settings.m_IdentMode, kIdentModes, "identification");
    cmd->add_option("--operator", o->settings.m_Operator);
    cmd->add_option("--sample", o->settings.m_SampleName);
    cmd->add_option("--organization", o->settings.m_Organization);
    cmd->add_option("--info", o->settings.m_Information, "project information");
    cmd->add_option("--dir", o->dir, "create the project folder here instead");
    AddAnswerFlags(cmd, o->answer);
    cmd->callback([o, &exitCode, &home] { exitCode = RunNew(*o, home); });
}

using RecordRunner = int (*)(const RecordOptions&, const std::string&);

CLI::App* AddRecordCommand(CLI::App* project, int& exitCode, const std::string& home,
                           const std::string& name, const std::string& help, RecordRunner run,
                           std::shared_ptr<RecordOptions> o) {
    auto* cmd = project->add_subcommand(name, help);
    cmd->add_option("PROJECT", o->project, "method project (.Tzp)")->required();
    AddAnswerFlags(cmd, o->answer);
    cmd->callback([o, run, &exitCode, &home] { exitCode = run(*o, home); });
    return cmd;
}

}  // namespace

void AddProjectCommands(CLI::App& app, int& exitCode, const std::string& home) {
    auto* project = app.add_subcommand("project", "Method projects: files, levels, calibration");
    project->require_subcommand(1);
    AddNew(project, exitCode, home);

    auto show = std::make_shared<ShowOptions>();
    auto* showCmd = project->add_subcommand("show", "Print a method project");
    showCmd->add_option("PROJECT", show->project)->required();
    showCmd->add_flag("--json", show->json, "every field, keyed by the project's field names");
    showCmd->add_flag("--raw", show->raw,
                      "include the placeholder fields (stored unchanged, meaning unknown: "
                      "m_Text8, m_FieldA, m_Reserved, m_Values1, m_ValueD, ...)");
    showCmd->callback([show, &exitCode, &home] { exitCode = RunShow(*show, home); });

    auto o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "add-standard",
                     "Add a chromatogram as a standard of the newest level", RunAddStandard, o)
        ->add_option("FILE", o->file, "chromatogram (.Tzd)")
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "add-sample", "Add a chromatogram as a sample",
                     RunAddSample, o)
        ->add_option("FILE", o->file, "chromatogram (.Tzd)")
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "remove", "Remove the record of a chromatogram",
                     RunRemove, o)
        ->add_option("FILE", o->file, "the chromatogram's path")
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "remove-all",
                     "Remove every standard or every sample record", RunRemoveAll, o)
        ->add_option("WHICH", o->which)
        ->required()
        ->check(CLI::IsMember({"standards", "samples"}));
    o = std::make_shared<RecordOptions>();
    auto* setLevel =
        AddRecordCommand(project, exitCode, home, "set-level",
                         "Move a standard to another calibration level", RunSetLevel, o);
    setLevel->add_option("FILE", o->file, "the standard's path")->required();
    setLevel->add_option("LEVEL", o->level, "from 1; above the count adds a level")->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "calibrate",
                     "Recalibrate from the standards' records", RunCalibrate, o);
    o = std::make_shared<RecordOptions>();
    auto* reference = AddRecordCommand(project, exitCode, home, "reference",
                                       "Make a peak the reference internal standard "
                                       "(fingerprint projects)",
                                       RunReference, o);
    reference->add_option("FILE", o->file, "a standard chromatogram of the project")->required();
    reference->add_option("--peak", o->peak, "the peak, from 0")->required();
    reference->add_flag("--all", o->all, "for every standard of the project");
    reference->add_option("--time", o->time, "retention time (default: the peak's, 3 decimals)");
    reference->add_option("--window", o->window, "time window (default 0.01)");

    AddComponentCommands(project, exitCode, home);
}

}  // namespace lx::cli
