#include "cli/IntegrateCommands.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include <unistd.h>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/PeakTableOutput.h"
#include "cli/ProjectFile.h"
#include "core/Format.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"
#include "quant/calc/Calibration.h"
#include "quant/workflow/ProjectRecords.h"

namespace lx::cli {
namespace {

struct IntegrateOptions {
    std::vector<std::string> files;
    bool json = false;
    bool jsonArray = false;
    bool raw = false;  // placeholder fields in the JSON
    std::string saveTo;
    bool inPlace = false;
    bool force = false;
    NumberOptions numbers;
    std::optional<int> halfWidth;
    std::optional<double> slope, minArea, minHeight, timeDoubling, heightRatio, lockTime;
    std::optional<int> useTimeProgram;
    std::string project;
};

void ApplyOverrides(const IntegrateOptions& o, CTzLabDoc& doc) {
    IntegrationParams& p = doc.m_Params;
    if (o.halfWidth)
        p.m_HalfWidth = *o.halfWidth;
    if (o.slope)
        p.m_Slope = *o.slope;
    if (o.minArea)
        p.m_MinArea = *o.minArea;
    if (o.minHeight)
        p.m_MinHeight = *o.minHeight;
    if (o.timeDoubling)
        p.m_TimeDoubling = *o.timeDoubling;
    if (o.heightRatio)
        p.m_HeightRatio = *o.heightRatio;
    if (o.useTimeProgram)
        p.m_UseTimeProgram = *o.useTimeProgram;
    if (o.lockTime)
        doc.m_ChannelSetup.lockTime = *o.lockTime;
}

struct FileOutcome {
    std::string output;  // what goes to stdout
    std::string notice;  // for stderr, without failing
    std::string error;   // the message for stderr, empty on success
};

// Events that no longer fit (after a parameter change, say) are skipped by the replay, as
// they always were; the operator should know which.
std::string RefusedEventsNotice(const std::string& file, const IntegrationReport& report) {
    std::string rows;
    for (std::size_t i : report.refusedEvents)
        rows += (rows.empty() ? "" : ",") + std::to_string(i + 1);
    return rows.empty() ? "" : Format(Tr(texts::kEventsRefused), file.c_str(), rows.c_str()) + "\n";
}

// Takes what the engine says without showing it.
class CollectingPrompter : public Prompter {
public:
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string& text, Icon) override {
        m_Told += (m_Told.empty() ? "" : "\n") + text;
    }
    const std::string& Told() const { return m_Told; }

private:
    std::string m_Told;
};

// Why the project cannot calibrate from its standards' records now (a zero concentration, a
// zero response, no components), or "": contents quantified with it would not be right.
std::string CalibrationProblem(const CPrjDoc& project) {
    CPrjDoc trial = project;
    CollectingPrompter told;
    Calibrate(trial, told);
    return told.Told();
}

// A standard that lacks one of the components calibrates that component with nothing.
std::string MissingComponentOfStandard(const CPrjDoc& project, const CTzLabDoc& standard) {
    if (FindRecord(project, RecordList::kStandards, standard.m_PathName) < 0)
        return {};
    for (const CComponentItem& c : project.m_Components) {
        const bool found =
            std::any_of(standard.m_Peaks.begin(), standard.m_Peaks.end(),
                        [&](const PeakRecord& p) { return p.m_Component == c.m_Id; });
        if (!found)
            return Format(Tr(texts::kComponentNotFound), c.m_Name.c_str(),
                          standard.m_PathName.c_str());
    }
    return {};
}

FileOutcome IntegrateOne(const IntegrateOptions& o, const std::string& file, CPrjDoc* project,
                         Prompter& prompter) {
    auto loaded = LoadTzdFile(file);
    if (!loaded.ok())
        return {"", "", loaded.error()};
    CTzLabDoc& doc = loaded.value();
    // Projects know their files by full path.
    doc.m_PathName = AbsolutePath(file);
    doc.m_Project = project;
    ApplyOverrides(o, doc);
    const IntegrationReport report = IntegrateAndQuantify(doc, prompter);
    FileOutcome outcome;
    outcome.notice = RefusedEventsNotice(file, report);
    if (project && !o.force)
        outcome.error = MissingComponentOfStandard(*project, doc);
    outcome.output =
        PeakTableText(file, doc.m_Peaks, o.json || o.jsonArray, project != nullptr, o.raw);
    if (o.inPlace || !o.saveTo.empty()) {
        const std::string target = o.inPlace ? file : o.saveTo;
        Status saved = SaveTzdFile(doc, target);
        if (!saved.ok())
            outcome.error = saved.error();
        else
            outcome.notice += Format(Tr(texts::kSaved), target.c_str()) + "\n";
    }
    return outcome;
}

// Tables one after another; JSON Lines (one object per file and line), or with --json-array
// the same objects as one array.
int Report(const std::vector<FileOutcome>& outcomes, bool jsonArray) {
    int code = kOk;
    if (jsonArray)
        std::cout << "[";
    bool first = true;
    for (const FileOutcome& outcome : outcomes) {
        if (jsonArray && !outcome.output.empty()) {
            std::cout << (first ? "" : ",\n")
                      << outcome.output.substr(0, outcome.output.size() - 1);
            first = false;
        } else {
            std::cout << outcome.output;
        }
        std::cerr << outcome.notice;
        if (!outcome.error.empty())
            code = Fail(outcome.error);
    }
    if (jsonArray)
        std::cout << "]\n";
    return code;
}

// With a project the files go one after another: a standard among them recalibrates the
// project that quantifies the files after it.
int RunWithProject(const IntegrateOptions& o, const std::string& home) {
    return WithProject(
        o.project, home, std::nullopt, [&](CPrjDoc& project, CliPrompter& prompter) -> int {
            // Contents that cannot be right are refused rather than printed as if they were.
            if (!o.force && project.m_Method < 0)
                return Fail(Format(Tr(texts::kNoMethod), o.project.c_str()));
            if (!o.force && project.m_IdentMode < 0)
                return Fail(Format(Tr(texts::kNoIdentMode), o.project.c_str()));
            std::vector<FileOutcome> outcomes;
            bool standardsChanged = false;
            for (const std::string& file : o.files) {
                const bool standard =
                    FindRecord(project, RecordList::kStandards, AbsolutePath(file)) >= 0;
                if (standard) {
                    // Each standard recalibrates at once, while the next ones still hold their
                    // old records: what that says on the way is judged once they all are in.
                    CollectingPrompter onTheWay;
                    outcomes.push_back(IntegrateOne(o, file, &project, onTheWay));
                    standardsChanged = true;
                    continue;
                }
                if (const std::string problem = o.force ? "" : CalibrationProblem(project);
                    !problem.empty()) {
                    outcomes.push_back({"", "", problem + "\n" + Tr(texts::kSeeMessageAbove)});
                    continue;
                }
                outcomes.push_back(IntegrateOne(o, file, &project, prompter));
            }
            if (standardsChanged && !o.force)
                if (const std::string problem = CalibrationProblem(project); !problem.empty())
                    outcomes.push_back(
                        {"", "", problem + "\n" + Tr(texts::kStandardsCannotCalibrate)});
            return Report(outcomes, o.jsonArray);
        });
}

int RunIntegrate(const IntegrateOptions& o, const std::string& home) {
    if (!o.saveTo.empty() && o.files.size() != 1)
        return UsageError(Tr(texts::kSaveTakesOneFile));
    if (const std::string refused = o.saveTo.empty() ? "" : RefuseOverwrite(o.saveTo, o.force);
        !refused.empty())
        return Fail(refused);
    if (!o.project.empty())
        return RunWithProject(o, home);
    // Files are independent: integrate them on every core, print them in the order given.
    // Without a project nothing is asked or told.
    CliPrompter prompter;
    std::vector<FileOutcome> outcomes(o.files.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i; (i = next++) < o.files.size();)
            outcomes[i] = IntegrateOne(o, o.files[i], nullptr, prompter);
    };
    const unsigned threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), o.files.size());
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    pool.clear();
    return Report(outcomes, o.jsonArray);
}

// "MIN:HEIGHT[:SIGMA]", or nothing when the text is not one.
std::optional<SyntheticPeak> ReadPeak(const std::string& text) {
    SyntheticPeak peak;
    char tail = 0;
    const int n = std::sscanf(text.c_str(), "%lf:%lf:%lf%c", &peak.minutes, &peak.height,
                              &peak.sigmaSeconds, &tail);
    if (n < 2 || n > 3 || !(peak.minutes >= 0) || !(std::fabs(peak.height) < 1e7) ||
        !(peak.sigmaSeconds > 0 && peak.sigmaSeconds < 1e4))
        return std::nullopt;
    return peak;
}

struct SynthOptions {
    std::string out;
    SyntheticRunOptions run;
    int seed = 1;
    std::vector<std::string> peaks;
    bool force = false;
    NumberOptions numbers;
};

// Half of the machine's memory at most: a run that cannot be held is refused before
// anything is allocated for it.
bool MachineCanHold(double bytes) {
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages <= 0 || pageSize <= 0 || bytes <= 0.5 * static_cast<double>(pages) * pageSize;
}

int RunSynth(SynthOptions& o) {
    for (const std::string& text : o.peaks) {
        const std::optional<SyntheticPeak> peak = ReadPeak(text);
        if (!peak)
            return UsageError(Format(Tr(texts::kBadPeak), text.c_str()));
        o.run.peaks.push_back(*peak);
    }
    o.run.seed = static_cast<std::uint32_t>(o.seed);
    if (!MachineCanHold(o.run.minutes * 60.0 * o.run.rate * sizeof(std::int32_t)))
        return Fail(Tr(texts::kOutOfMemory));
    if (const std::string refused = RefuseOverwrite(o.out, o.force); !refused.empty())
        return Fail(refused);
    CTzLabDoc doc = MakeSyntheticRun(o.run);
    CliPrompter prompter;
    IntegrateAndQuantify(doc, prompter);
    Status saved = SaveTzdFile(doc, o.out);
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << o.out << "\n";
    return kOk;
}

// The checked numbers first, then the command.
template <class Options, class Command>
std::function<void()> Checked(std::shared_ptr<Options> o, int& exitCode, Command command) {
    return [o, &exitCode, command] {
        exitCode = o->numbers.StoreThenRun([&] { return command(*o); });
    };
}

}  // namespace

void AddIntegrateCommands(CLI::App& app, int& exitCode, const std::string& home) {
    constexpr double kHuge = 1e12;
    auto o = std::make_shared<IntegrateOptions>();
    auto* cmd = app.add_subcommand("integrate", Tr(texts::kIntegrateHelp));
    cmd->add_option("FILE", o->files, Tr(texts::kIntegrateFilesHelp))->required();
    auto* json = cmd->add_flag("--json", o->json, Tr(texts::kIntegrateJsonHelp));
    cmd->add_flag("--json-array", o->jsonArray, Tr(texts::kJsonArrayHelp))->excludes(json);
    cmd->add_flag("--raw", o->raw, Tr(texts::kRawPeaksHelp));
    auto* save = cmd->add_option("--save", o->saveTo, Tr(texts::kIntegrateSaveHelp));
    cmd->add_flag("--in-place", o->inPlace, Tr(texts::kIntegrateInPlaceHelp))->excludes(save);
    cmd->add_flag("--force", o->force, Tr(texts::kQuantifyForceHelp));
    auto& n = o->numbers;
    n.Add(cmd, "--half-width", o->halfWidth, {1, 100000}, texts::kHalfWidthHelp,
          Tr(texts::kSamplesUnit));
    n.Add(cmd, "--slope", o->slope, {0, kHuge}, texts::kSlopeHelp);
    n.Add(cmd, "--min-area", o->minArea, {0, kHuge}, texts::kMinAreaHelp, "0.1 µV·s");
    n.Add(cmd, "--min-height", o->minHeight, {0, kHuge}, texts::kMinHeightHelp, "µV");
    n.Add(cmd, "--time-doubling", o->timeDoubling, {0, 100000}, texts::kTimeDoublingHelp,
          Tr(texts::kMinutesUnit));
    n.Add(cmd, "--height-ratio", o->heightRatio, {0, kHuge, true}, texts::kHeightRatioHelp);
    n.Add(cmd, "--lock-time", o->lockTime, {0, 100000}, texts::kLockTimeHelp,
          Tr(texts::kMinutesUnit));
    n.Add(cmd, "--use-time-program", o->useTimeProgram, {0, 1}, texts::kUseTimeProgramHelp);
    cmd->add_option("--project", o->project, Tr(texts::kIntegrateProjectHelp));
    cmd->callback(
        Checked(o, exitCode, [&home](IntegrateOptions& v) { return RunIntegrate(v, home); }));

    auto s = std::make_shared<SynthOptions>();
    auto* synth = app.add_subcommand("synth", Tr(texts::kSynthHelp));
    synth->add_option("OUT", s->out, Tr(texts::kSynthOutHelp))->required();
    synth->add_flag("--force", s->force, Tr(texts::kForceHelp));
    auto& m = s->numbers;
    m.Add(synth, "--seed", s->seed, {0, 2147483647}, texts::kSeedHelp);
    m.Add(synth, "--minutes", s->run.minutes, {0, 100000, true}, texts::kRunLengthHelp,
          Tr(texts::kMinutesUnit));
    m.Add(synth, "--rate", s->run.rate, {1, 1000}, texts::kRateHelp, Tr(texts::kPerSecondUnit));
    m.Add(synth, "--spacing", s->run.peakSpacing, {50, 100000000}, texts::kSpacingHelp,
          Tr(texts::kSamplesUnit));
    m.Add(synth, "--noise", s->run.noise, {0, 1e6}, texts::kNoiseHelp, "µV");
    m.Add(synth, "--drift", s->run.drift, {-1e6, 1e6}, texts::kDriftHelp, "µV/min");
    synth->add_option("--peak", s->peaks, Tr(texts::kPeakHelp))->type_name("MIN:HEIGHT[:SIGMA]");
    m.Add(synth, "--scale", s->run.scale, {0, 1e6}, texts::kScaleHelp);
    synth->callback(Checked(s, exitCode, [](SynthOptions& v) { return RunSynth(v); }));
}

}  // namespace lx::cli
