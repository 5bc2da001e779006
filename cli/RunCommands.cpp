#include "cli/RunCommands.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "acq/CCommPort.h"
#include "acq/CDatDoc.h"
#include "acq/ChannelMethod.h"
#include "acq/ChannelSetupFile.h"
#include "acq/RunFileName.h"
#include "acq/RunJournal.h"
#include "acq/RunRecovery.h"
#include "cli/AcquisitionLoop.h"
#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/PeakTableOutput.h"
#include "cli/ProjectFile.h"
#include "core/AppPaths.h"
#include "core/Format.h"
#include "quant/file/TzpFile.h"

namespace lx::cli {
namespace fs = std::filesystem;

namespace {

struct AcquireOptions {
    bool demo = false;
    std::string device;
    std::string channel = "A";
    std::optional<double> minutes;
    std::string project;
    std::string kind = "sample";
    std::string folder;
    std::string baseline;
    int frequency = 20;
    int hold = 0;
    bool realtime = false;
    bool waitStart = false;
    bool json = false;
    NumberOptions numbers;
};

// Ctrl-C ends a run as its stop command does: what was recorded is saved.
std::atomic<bool> g_Interrupted{false};

class InterruptGuard {
public:
    InterruptGuard() {
        struct sigaction action {};
        action.sa_handler = [](int) { g_Interrupted = true; };
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_Old);
    }
    ~InterruptGuard() { sigaction(SIGINT, &m_Old, nullptr); }

private:
    struct sigaction m_Old {};
};

// The command line's channel window: it keeps the finished run; its save dialog takes the
// proposed name unless that would replace a file.
class KeptRun : public ChannelView {
public:
    std::optional<FinishedRun> run;
    std::optional<std::string> AskSavePath(const std::string& proposed) override {
        std::error_code ec;
        return fs::exists(proposed, ec) ? std::nullopt : std::optional(proposed);
    }
    void RunFinished(FinishedRun finished) override { run = std::move(finished); }
};

void WarnOfUnfinishedRuns(const std::string& appDir) {
    for (const std::string& journal : FindJournals(appDir))
        std::cerr << Format(Tr(texts::kUnfinishedRunFound), journal.c_str(),
                            fs::path(journal).parent_path().c_str())
                  << "\n";
}

int PrintRun(const FinishedRun& run, bool json, bool quantified) {
    std::cout << PeakTableText(run.path, run.record->m_Peaks, json, quantified);
    return kOk;
}

// The channel's method, in the order the desktop would give it: the project's, then the data
// folder's set-up file, then what the command line says.
int PrepareChannel(const AcquireOptions& o, CDatDoc& doc, CPrjDoc* project,
                   const std::string& appDir) {
    ChannelSetup& setup = doc.m_Method.m_ChannelSetup;
    if (project)
        TakeProject(doc, *project, 1);
    std::string folder = o.folder.empty() ? setup.folder : o.folder;
    if (folder.empty())
        folder = "Data";
    std::error_code ec;
    fs::create_directories(fs::path(appDir) / folder, ec);
    if (Status taken = TakeFolder(doc, folder, appDir); !taken.ok())
        return Fail(taken.error());
    setup.runKind = o.kind == "standard" ? 0 : 1;
    if (o.minutes)
        setup.stopTime = *o.minutes;
    if (!o.baseline.empty()) {
        setup.baselineOn = 1;
        setup.baselineFile = AbsolutePath(o.baseline);
    }
    if (setup.baselineOn && !doc.LoadBaseline())
        return kFailed;  // the message is out
    return kOk;
}

// The file number the run used stays with the folder's set-up file, so the next run, from
// here or from the desktop, numbers on.
void KeepFileNumber(const CDatDoc& doc, const std::string& appDir) {
    const std::string folder = (fs::path(appDir) / doc.m_Method.m_ChannelSetup.folder).string();
    std::error_code ec;
    if (!fs::exists(SetupFilePath(folder, doc.Channel()), ec))
        return;
    auto record = ReadSetupFile(folder, doc.Channel());
    if (!record.ok())
        return;
    record->m_ChannelSetup.fileNumber = doc.m_Method.m_ChannelSetup.fileNumber;
    WriteSetupFile(record.value(), folder, doc.Channel());
}

int Acquire(const AcquireOptions& o, const std::string& appDir, CPrjDoc* project,
            CliPrompter& prompter) {
    const int channel = o.channel == "A" ? 0 : 1;
    KeptRun view;
    CDatDoc doc(channel, o.frequency, appDir, view, prompter);
    if (int prepared = PrepareChannel(o, doc, project, appDir); prepared != kOk)
        return prepared;

    const bool detector = !o.device.empty();
    ReceiverSettings settings;
    settings.source = detector ? AcquisitionSource::Detector : AcquisitionSource::Demo;
    settings.decoder = {o.frequency, o.hold};
    settings.demoPaths = DemoSignalPaths(appDir);
    AcquisitionLoop loop(!detector && !o.realtime);
    std::unique_ptr<CCommPort> port;
    if (detector)
        port = std::make_unique<CCommPort>(std::vector<std::string>{o.device});
    // Declared after the port: the receiver closes the port it was given when it goes.
    CDatReceiver receiver(settings, port.get(), loop, prompter);
    receiver.SetChannel(channel, &doc);
    receiver.StartAcquisition();
    if (detector ? !port->IsOpen() : !receiver.Receiving())
        return kFailed;  // the receiver has said why

    InterruptGuard interrupt;
    g_Interrupted = false;
    if (o.waitStart)
        std::cerr << Tr(texts::kWaitingForStart) << "\n";
    else
        doc.StartRun();
    const bool showProgress = !loop.Simulated() && ::isatty(STDERR_FILENO);
    auto progress = [&] {
        if (showProgress && doc.IsRunning())
            std::cerr << Format(Tr(texts::kAcquireProgress), doc.CurrentMinutes(),
                                doc.m_CurrentValue)
                      << std::flush;
    };
    auto lineLost = [&] { return detector && !port->IsOpen(); };
    loop.Run(
        receiver, [&] { return view.run || g_Interrupted || lineLost(); }, progress);
    if (showProgress)
        std::cerr << "\n";

    if (doc.IsRunning()) {
        if (doc.m_SampleCount > 0 && !lineLost())
            doc.StopRun();
        else
            doc.DiscardRun();  // a silent line recorded nothing worth a file
    }
    receiver.ClosePort();
    if (!view.run)
        return lineLost() ? kFailed : Fail(Tr(texts::kNoRunRecorded));
    KeepFileNumber(doc, appDir);
    if (view.run->path.empty()) {
        const std::string folder = RunFolder(doc.m_Method.m_ChannelSetup, appDir);
        return Fail(Format(Tr(texts::kRunNotSaved), folder.c_str(), folder.c_str()));
    }
    return PrintRun(*view.run, o.json, project != nullptr);
}

int RunAcquire(const AcquireOptions& o, const std::string& home) {
    if (o.demo && !o.device.empty())
        return UsageError(Tr(texts::kAcquireOneSource));
    if (o.channel != "A" && o.channel != "B")
        return UsageError(Format(Tr(texts::kNotAChoice), "--channel", o.channel.c_str(), "A, B"));
    if (o.kind != "standard" && o.kind != "sample")
        return UsageError(
            Format(Tr(texts::kNotAChoice), "--kind", o.kind.c_str(), "standard, sample"));
    if (o.frequency != 10 && o.frequency != 20)
        return UsageError(Format(Tr(texts::kOutOfRange), "--frequency",
                                 std::to_string(o.frequency).c_str(), "10, 20"));
    const std::string appDir = ApplicationDirectory(home);
    WarnOfUnfinishedRuns(appDir);
    if (o.project.empty()) {
        CliPrompter prompter;
        return Acquire(o, appDir, nullptr, prompter);
    }
    return WithProject(o.project, home, std::nullopt, [&](CPrjDoc& project, CliPrompter& prompter) {
        return Acquire(o, appDir, &project, prompter);
    });
}

struct RecoverOptions {
    std::string where;
    bool json = false;
};

int RecoverOne(const std::string& journalPath, const std::string& appDir, bool json) {
    CliPrompter prompter;
    KeptRun view;
    bool withProject = false;
    FinishedRun run = RecoverJournal(journalPath, appDir, view, prompter, &withProject);
    if (run.path.empty())
        return kFailed;  // the message is out, and the journal stays
    return PrintRun(run, json, withProject);
}

int RunRecover(const RecoverOptions& o, const std::string& home) {
    const std::string appDir = ApplicationDirectory(home);
    std::error_code ec;
    const std::vector<std::string> journals =
        fs::is_directory(o.where, ec) ? FindJournals(o.where) : std::vector{o.where};
    if (journals.empty()) {
        std::cerr << Format(Tr(texts::kNoJournals), o.where.c_str()) << "\n";
        return kOk;
    }
    int code = kOk;
    for (const std::string& journal : journals)
        if (RecoverOne(journal, appDir, o.json) != kOk)
            code = kFailed;
    return code;
}

}  // namespace

void AddRunCommands(CLI::App& app, int& exitCode, const std::string& home) {
    auto o = std::make_shared<AcquireOptions>();
    auto* acquire = app.add_subcommand("acquire", Tr(texts::kAcquireHelp));
    acquire->add_flag("--demo", o->demo, Tr(texts::kAcquireDemoHelp));
    acquire->add_option("--device", o->device, Tr(texts::kAcquireDeviceHelp));
    acquire->add_option("--channel", o->channel, Tr(texts::kAcquireChannelHelp))->type_name("A|B");
    o->numbers.Add(acquire, "--minutes", o->minutes, {0, 100000, true}, texts::kAcquireMinutesHelp,
                   Tr(texts::kMinutesUnit));
    acquire->add_option("--project", o->project, Tr(texts::kAcquireProjectHelp));
    acquire->add_option("--kind", o->kind, Tr(texts::kAcquireKindHelp))
        ->type_name("standard|sample");
    acquire->add_option("--folder", o->folder, Tr(texts::kAcquireFolderHelp));
    acquire->add_option("--baseline", o->baseline, Tr(texts::kAcquireBaselineHelp));
    o->numbers.Add(acquire, "--frequency", o->frequency, {10, 20}, texts::kFrequencyHelp,
                   Tr(texts::kPerSecondUnit));
    o->numbers.Add(acquire, "--hold", o->hold, {0, 15}, texts::kHoldHelp);
    acquire->add_flag("--realtime", o->realtime, Tr(texts::kAcquireRealtimeHelp));
    acquire->add_flag("--wait-start", o->waitStart, Tr(texts::kAcquireWaitStartHelp));
    acquire->add_flag("--json", o->json, Tr(texts::kIntegrateJsonHelp));
    acquire->callback([o, &exitCode, &home] {
        exitCode = o->numbers.StoreThenRun([&] { return RunAcquire(*o, home); });
    });

    auto r = std::make_shared<RecoverOptions>();
    auto* recover = app.add_subcommand("recover", Tr(texts::kRecoverHelp));
    recover->add_option("DIR", r->where, Tr(texts::kRecoverDirHelp))->required();
    recover->add_flag("--json", r->json, Tr(texts::kIntegrateJsonHelp));
    recover->callback([r, &exitCode, &home] { exitCode = RunRecover(*r, home); });
}

}  // namespace lx::cli
