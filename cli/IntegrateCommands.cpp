#include "cli/IntegrateCommands.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/PeakTableOutput.h"
#include "cli/ProjectFile.h"
#include "core/Format.h"
#include "core/SyntheticRun.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"

namespace lx::cli {
namespace {

struct IntegrateOptions {
    std::vector<std::string> files;
    bool json = false;
    bool raw = false;  // placeholder fields in the JSON
    std::string saveTo;
    bool inPlace = false;
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
    outcome.output = PeakTableText(file, doc.m_Peaks, o.json, project != nullptr, o.raw);
    if (o.inPlace || !o.saveTo.empty()) {
        Status saved = SaveTzdFile(doc, o.inPlace ? file : o.saveTo);
        if (!saved.ok())
            outcome.error = saved.error();
    }
    return outcome;
}

int Report(const std::vector<FileOutcome>& outcomes) {
    int code = kOk;
    for (const FileOutcome& outcome : outcomes) {
        std::cout << outcome.output;
        std::cerr << outcome.notice;
        if (!outcome.error.empty())
            code = Fail(outcome.error);
    }
    return code;
}

// With a project the files go one after another: a standard among them recalibrates the
// project that quantifies the files after it.
int RunWithProject(const IntegrateOptions& o, const std::string& home) {
    return WithProject(o.project, home, std::nullopt,
                       [&](CPrjDoc& project, CliPrompter& prompter) -> int {
                           std::vector<FileOutcome> outcomes;
                           for (const std::string& file : o.files)
                               outcomes.push_back(IntegrateOne(o, file, &project, prompter));
                           return Report(outcomes);
                       });
}

int RunIntegrate(const IntegrateOptions& o, const std::string& home) {
    if (!o.saveTo.empty() && (o.inPlace || o.files.size() != 1)) {
        std::cerr << "--save takes one input file and excludes --in-place\n";
        return kUsage;
    }
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
    return Report(outcomes);
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

CLI::Validator PeakValidator() {
    return CLI::Validator(
        [](std::string& text) {
            return ReadPeak(text) ? std::string() : "expected MIN:HEIGHT[:SIGMA], got " + text;
        },
        "MIN:HEIGHT[:SIGMA]");
}

struct SynthOptions {
    std::string out;
    SyntheticRunOptions run;
};

int RunSynth(const SynthOptions& o) {
    CTzLabDoc doc = MakeSyntheticRun(o.run);
    CliPrompter prompter;
    IntegrateAndQuantify(doc, prompter);
    Status saved = SaveTzdFile(doc, o.out);
    return saved.ok() ? kOk : Fail(saved.error());
}

}  // namespace

void AddIntegrateCommands(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<IntegrateOptions>();
    auto* cmd = app.add_subcommand(
        "integrate", "Integrate chromatograms with their own parameters and print the peak tables");
    cmd->add_option("FILE", o->files, "chromatogram files")->required();
    cmd->add_flag("--json", o->json, "one JSON object per file: {\"file\", \"m_Peaks\"}");
    cmd->add_flag("--raw", o->raw,
                  "with --json: also the placeholder fields (m_Aux, m_Spare, m_Extra1-8)");
    auto* save = cmd->add_option("--save", o->saveTo, "write the integrated chromatogram here");
    cmd->add_flag("--in-place", o->inPlace, "write each integrated chromatogram back")
        ->excludes(save);
    cmd->add_option("--half-width", o->halfWidth, "bunch size of the detector, samples");
    cmd->add_option("--slope", o->slope, "slope sensitivity");
    cmd->add_option("--min-area", o->minArea, "drop peaks at or below this area");
    cmd->add_option("--min-height", o->minHeight, "drop peaks at or below this height");
    cmd->add_option("--time-doubling", o->timeDoubling, "minutes after which the bunch doubles");
    cmd->add_option("--height-ratio", o->heightRatio,
                    "height ratio above which a fused peak is a rider");
    cmd->add_option("--lock-time", o->lockTime, "minutes without integration from the start");
    cmd->add_option("--use-time-program", o->useTimeProgram, "0 or 1")
        ->check(CLI::IsMember({0, 1}));
    cmd->add_option("--project", o->project,
                    "identify and quantify with this method project; a standard of it updates "
                    "its record, recalibrates and saves the project");
    cmd->callback([o, &exitCode, &home] { exitCode = RunIntegrate(*o, home); });

    auto s = std::make_shared<SynthOptions>();
    auto* synth = app.add_subcommand(
        "synth", "Write a synthetic chromatogram (integrated) to try methods on");
    synth->add_option("OUT", s->out)->required();
    synth->add_option("--seed", s->run.seed, "the same seed gives the same samples");
    synth->add_option("--minutes", s->run.minutes, "run length")->check(CLI::Range(0.0, 100000.0));
    synth->add_option("--rate", s->run.rate, "samples per second")->check(CLI::Range(1, 1000));
    synth->add_option("--spacing", s->run.peakSpacing, "mean samples between peaks")
        ->check(CLI::Range(50, 100000000));
    synth->add_option("--noise", s->run.noise, "baseline noise, uV");
    synth->add_option("--drift", s->run.drift, "baseline drift, uV per minute");
    synth
        ->add_option_function<std::vector<std::string>>(
            "--peak",
            [s](const std::vector<std::string>& peaks) {
                for (const std::string& text : peaks)  // checked below, before this runs
                    s->run.peaks.push_back(*ReadPeak(text));
            },
            "MIN:HEIGHT_uV[:SIGMA_s] Gaussian peaks instead of random ones (repeatable)")
        ->check(PeakValidator());
    synth->add_option("--scale", s->run.scale, "multiplies the heights of the given peaks")
        ->check(CLI::Range(0.0, 1e6));
    synth->callback([s, &exitCode] { exitCode = RunSynth(*s); });
}

}  // namespace lx::cli
