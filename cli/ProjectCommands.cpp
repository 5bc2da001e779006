#include "cli/ProjectCommands.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/ComponentCommands.h"
#include "cli/NumberOptions.h"
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

void PrintTree(const ProjectTreeNode& node, int depth) {
    std::cout << std::string(static_cast<std::size_t>(depth) * 2, ' ') << node.m_Text << "\n";
    for (const ProjectTreeNode& child : node.m_Children)
        PrintTree(child, depth + 1);
}

// The component table as the window shows it, with the ID the component commands take first.
void PrintComponentTable(const CPrjDoc& project) {
    const auto columns = ComponentColumns(project);
    std::vector<std::string> headers{Tr(texts::kIdColumn)};
    for (const ComponentColumn& c : columns)
        headers.push_back(c.header);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t row = 0; row < project.m_Components.size(); ++row) {
        rows.push_back({std::to_string(project.m_Components[row].m_Id)});
        for (const ComponentColumn& c : columns)
            rows.back().push_back(ComponentCellText(project, static_cast<int>(row), c));
    }
    std::cout << TextTable(headers, rows);
}

struct ShowOptions {
    std::string project;
    bool json = false;
    bool all = false;
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
        if (o.all)
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
    std::optional<int> level;
    std::optional<int> peak;  // from 1
    bool all = false;
    std::optional<double> time, window;
    std::optional<bool> answer;
    NumberOptions numbers;
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
                return Fail(Format(Tr(texts::kNoSuchRecord), o.file.c_str()));
            return RemoveRecord(project, record->first, record->second, prompter) ? kOk : kFailed;
        });
}

int RunRemoveAll(const RecordOptions& o, const std::string& home) {
    if (o.which != "samples" && o.which != "standards")
        return UsageError(
            Format(Tr(texts::kNotAChoice), "WHICH", o.which.c_str(), "standards, samples"));
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
            return Fail(Format(Tr(texts::kNoSuchRecord), o.file.c_str()));
        if (!SetStandardLevel(project, record->second, *o.level))
            return Fail(Format(Tr(texts::kNoSuchLevel), *o.level));
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
                return Fail(Tr(texts::kNotFingerprint));
            auto doc = LoadTzdFile(AbsolutePath(o.file));
            if (!doc.ok())
                return Fail(doc.error());
            const int peak = *o.peak - 1;
            if (static_cast<std::size_t>(peak) >= doc->m_Peaks.size())
                return Fail(Format(Tr(texts::kNoSuchPeak), *o.peak));
            ReferencePeak reference =
                ProposedReference(doc->m_Peaks[static_cast<std::size_t>(peak)]);
            reference.m_RetentionTime = o.time.value_or(reference.m_RetentionTime);
            reference.m_Window = o.window.value_or(reference.m_Window);
            if (!SetReferencePeak(project, doc.value(), peak, reference, o.all, prompter))
                return Fail(Format(Tr(texts::kNoSuchRecord), o.file.c_str()));
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

// A radio group of the wizard: a name or its code, checked after parsing.
struct Choice {
    std::string name;
    const std::map<std::string, int>* names;
    std::string text;
    std::int32_t* value;
};

std::string ChoiceList(const std::map<std::string, int>& names) {
    std::vector<std::pair<int, std::string>> byCode;
    for (const auto& [text, code] : names)
        byCode.emplace_back(code, text);
    std::sort(byCode.begin(), byCode.end());
    std::string list;
    for (const auto& [code, text] : byCode)
        list += (list.empty() ? "" : ", ") + text + " (" + std::to_string(code) + ")";
    return list;
}

// The value of every given choice; the refusal of the first unknown one, or "".
std::string StoreChoices(const std::vector<Choice>& choices) {
    for (const Choice& c : choices) {
        if (c.text.empty())
            continue;
        int code = -2;
        if (const auto named = c.names->find(c.text); named != c.names->end())
            code = named->second;
        else
            for (const auto& [text, value] : *c.names)
                if (std::to_string(value) == c.text)
                    code = value;
        if (code < 0)
            return Format(Tr(texts::kNotAChoice), c.name.c_str(), c.text.c_str(),
                          ChoiceList(*c.names).c_str());
        *c.value = code;
    }
    return {};
}

struct NewOptions {
    NewProjectSettings settings;
    std::string dir;
    std::optional<bool> answer;
    std::vector<Choice> choices;
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

void AddChoice(CLI::App* cmd, NewOptions& o, const std::string& name, std::int32_t& value,
               const std::map<std::string, int>& names, const Text& help) {
    o.choices.push_back({name, &names, "", &value});
    cmd->add_option(name, o.choices.back().text,
                    std::string(Tr(help)) + ": " + ChoiceList(names) + "; " + Tr(texts::kLeftOut))
        ->type_name("NAME|CODE");
}

void AddNew(CLI::App* project, int& exitCode, const std::string& home) {
    auto o = std::make_shared<NewOptions>();
    o->choices.reserve(3);  // the options hold pointers into it
    auto* cmd = project->add_subcommand("new", Tr(texts::kProjectNewHelp));
    cmd->add_option("NAME", o->settings.m_MethodName, Tr(texts::kMethodNameHelp))->required();
    AddChoice(cmd, *o, "--method", o->settings.m_Method, kMethods, texts::kMethodHelp);
    AddChoice(cmd, *o, "--basis", o->settings.m_Basis, kBases, texts::kBasisHelp);
    AddChoice(cmd, *o, "--ident", o->settings.m_IdentMode, kIdentModes, texts::kIdentHelp);
    cmd->add_option("--operator", o->settings.m_Operator, Tr(texts::kOperatorHelp));
    cmd->add_option("--sample", o->settings.m_SampleName, Tr(texts::kSampleNameHelp));
    cmd->add_option("--organization", o->settings.m_Organization, Tr(texts::kOrganizationHelp));
    cmd->add_option("--info", o->settings.m_Information, Tr(texts::kInfoHelp));
    cmd->add_option("--dir", o->dir, Tr(texts::kDirHelp));
    AddAnswerFlags(cmd, o->answer);
    cmd->callback([o, &exitCode, &home] {
        const std::string refused = StoreChoices(o->choices);
        exitCode = refused.empty() ? RunNew(*o, home) : UsageError(refused);
    });
}

using RecordRunner = int (*)(const RecordOptions&, const std::string&);

CLI::App* AddRecordCommand(CLI::App* project, int& exitCode, const std::string& home,
                           const std::string& name, const Text& help, RecordRunner run,
                           std::shared_ptr<RecordOptions> o) {
    auto* cmd = project->add_subcommand(name, Tr(help));
    cmd->add_option("PROJECT", o->project, Tr(texts::kProjectFileHelp))->required();
    AddAnswerFlags(cmd, o->answer);
    cmd->callback([o, run, &exitCode, &home] {
        exitCode = o->numbers.StoreThenRun([&] { return run(*o, home); });
    });
    return cmd;
}

}  // namespace

void AddProjectCommands(CLI::App& app, int& exitCode, const std::string& home) {
    auto* project = app.add_subcommand("project", Tr(texts::kProjectHelp));
    project->require_subcommand(1);
    AddNew(project, exitCode, home);

    auto show = std::make_shared<ShowOptions>();
    auto* showCmd = project->add_subcommand("show", Tr(texts::kShowHelp));
    showCmd->add_option("PROJECT", show->project, Tr(texts::kProjectFileHelp))->required();
    showCmd->add_flag("--json", show->json, Tr(texts::kShowJsonHelp));
    showCmd->add_flag("--all", show->all, Tr(texts::kShowAllHelp));
    showCmd->add_flag("--raw", show->raw, Tr(texts::kShowRawHelp));
    showCmd->callback([show, &exitCode, &home] { exitCode = RunShow(*show, home); });

    auto o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "add-standard", texts::kAddStandardHelp,
                     RunAddStandard, o)
        ->add_option("FILE", o->file, Tr(texts::kInHelp))
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "add-sample", texts::kAddSampleHelp, RunAddSample, o)
        ->add_option("FILE", o->file, Tr(texts::kInHelp))
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "remove", texts::kRemoveHelp, RunRemove, o)
        ->add_option("FILE", o->file, Tr(texts::kChromatogramPathHelp))
        ->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "remove-all", texts::kRemoveAllHelp, RunRemoveAll, o)
        ->add_option("WHICH", o->which, Tr(texts::kWhichHelp))
        ->required();
    o = std::make_shared<RecordOptions>();
    auto* setLevel = AddRecordCommand(project, exitCode, home, "set-level", texts::kSetLevelHelp,
                                      RunSetLevel, o);
    setLevel->add_option("FILE", o->file, Tr(texts::kChromatogramPathHelp))->required();
    // A positional number: checked like the options.
    o->numbers.Add(setLevel, "LEVEL", o->level, {1, 1000}, texts::kLevelHelp)->required();
    o = std::make_shared<RecordOptions>();
    AddRecordCommand(project, exitCode, home, "calibrate", texts::kCalibrateHelp, RunCalibrate, o);
    o = std::make_shared<RecordOptions>();
    auto* reference = AddRecordCommand(project, exitCode, home, "reference", texts::kReferenceHelp,
                                       RunReference, o);
    reference->add_option("FILE", o->file, Tr(texts::kStandardFileHelp))->required();
    o->numbers.Add(reference, "--peak", o->peak, {1, 2147483647}, texts::kPeakNumberHelp)
        ->required();
    reference->add_flag("--all", o->all, Tr(texts::kReferenceAllHelp));
    o->numbers.Add(reference, "--time", o->time, {0, 100000}, texts::kReferenceTimeHelp,
                   Tr(texts::kMinutesUnit));
    o->numbers.Add(reference, "--window", o->window, {0, 100000}, texts::kReferenceWindowHelp,
                   Tr(texts::kMinutesUnit));

    AddComponentCommands(project, exitCode, home);
}

}  // namespace lx::cli
