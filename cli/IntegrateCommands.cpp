#include "cli/IntegrateCommands.h"

#include <atomic>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "acq/SyntheticRun.h"
#include "cli/CliCommon.h"
#include "cli/PeakTableOutput.h"
#include "core/TzdFile.h"
#include "peaks/Integration.h"

namespace lx::cli {
namespace {

struct IntegrateOptions {
    std::vector<std::string> files;
    bool json = false;
    std::string saveTo;
    bool inPlace = false;
    std::optional<int> halfWidth;
    std::optional<double> slope, minArea, minHeight, timeDoubling, heightRatio, lockTime;
    std::optional<int> useTimeProgram;
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
    std::string error;   // the message for stderr, empty on success
};

FileOutcome IntegrateOne(const IntegrateOptions& o, const std::string& file) {
    auto loaded = LoadTzdFile(file);
    if (!loaded.ok())
        return {"", loaded.error()};
    CTzLabDoc& doc = loaded.value();
    ApplyOverrides(o, doc);
    IntegrateAndQuantify(doc);
    FileOutcome outcome;
    outcome.output = PeakTableText(file, doc.m_Peaks, o.json);
    if (o.inPlace || !o.saveTo.empty()) {
        Status saved = SaveTzdFile(doc, o.inPlace ? file : o.saveTo);
        if (!saved.ok())
            outcome.error = saved.error;
    }
    return outcome;
}

int RunIntegrate(const IntegrateOptions& o) {
    if (!o.saveTo.empty() && (o.inPlace || o.files.size() != 1)) {
        std::cerr << "--save takes one input file and excludes --in-place\n";
        return kUsage;
    }
    // Files are independent: integrate them on every core, print them in the order given.
    std::vector<FileOutcome> outcomes(o.files.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i; (i = next++) < o.files.size();)
            outcomes[i] = IntegrateOne(o, o.files[i]);
    };
    const unsigned threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), o.files.size());
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    pool.clear();

    int code = kOk;
    for (const FileOutcome& outcome : outcomes) {
        std::cout << outcome.output;
        if (!outcome.error.empty())
            code = Fail(outcome.error);
    }
    return code;
}

struct SynthOptions {
    std::string out;
    SyntheticRunOptions run;
};

int RunSynth(const SynthOptions& o) {
    CTzLabDoc doc = MakeSyntheticRun(o.run);
    IntegrateAndQuantify(doc);
    Status saved = SaveTzdFile(doc, o.out);
    return saved.ok() ? kOk : Fail(saved.error);
}

}  // namespace

void AddIntegrateCommands(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<IntegrateOptions>();
    auto* cmd = app.add_subcommand(
        "integrate", "Integrate chromatograms with their own parameters and print the peak tables");
    cmd->add_option("FILE", o->files, "chromatogram files")->required();
    cmd->add_flag("--json", o->json, "one JSON object per file: {\"file\", \"m_Peaks\"}");
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
    cmd->callback([o, &exitCode] { exitCode = RunIntegrate(*o); });

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
    synth->callback([s, &exitCode] { exitCode = RunSynth(*s); });
}

}  // namespace lx::cli
