#include "cli/AcquisitionCommands.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <iostream>
#include <memory>
#include <thread>

#include <nlohmann/json.hpp>

#include "acq/AcqTexts.h"
#include "acq/CDatReceiver.h"
#include "acq/DetectorFrames.h"
#include "acq/DetectorSimulator.h"
#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/RecordJson.h"
#include "core/FileIo.h"
#include "core/FileKind.h"
#include "core/Format.h"
#include "core/TzdFile.h"

namespace lx::cli {
namespace {

struct DecodeOptions {
    std::string capture;
    int frequency = 20;
    int hold = 0;
    bool json = false;
    NumberOptions numbers;
};

// A captured line (socat can record one) through the receiver's decoding: the values each
// channel would be given, with their start signals.
int RunDecode(const DecodeOptions& o) {
    if (o.frequency != 10 && o.frequency != 20)
        return UsageError(Format(Tr(texts::kOutOfRange), "--frequency",
                                 std::to_string(o.frequency).c_str(), "10, 20"));
    auto file = InputFile::Open(o.capture);
    if (!file.ok())
        return Fail(file.error());
    nlohmann::ordered_json channels{{"A", nlohmann::ordered_json::array()},
                                    {"B", nlohmann::ordered_json::array()}};
    std::string text;
    DetectorDecoder decoder({o.frequency, o.hold}, [&](int channel, std::int32_t v, bool start) {
        if (o.json)
            channels[channel == 0 ? "A" : "B"].push_back({v, start ? 1 : 0});
        else
            text += Format("%c %9d%s\n", channel == 0 ? 'A' : 'B', v,
                           start ? Tr(texts::kStartMark) : "");
    });
    // Read in chunks as the line would give them; a capture of any size decodes in constant
    // memory beside its output.
    ArchiveReader& reader = file->Reader();
    std::array<std::uint8_t, 4096> chunk{};
    while (reader.Remaining() > 0) {
        const auto n =
            static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), reader.Remaining()));
        for (std::size_t i = 0; i < n; ++i)
            chunk[i] = reader.ReadU8();
        decoder.Feed(std::span(chunk).first(n));
    }
    if (o.json)
        std::cout << WithSchema(channels).dump() << "\n";
    else
        std::cout << text;
    return kOk;
}

struct SimulatorOptions {
    std::string from;
    std::string out, device;
    bool pty = false;
    std::string channel = "both";
    std::string range = "E1";
    std::optional<double> startAt;
    bool realtime = false;
    bool force = false;
    NumberOptions numbers;
};

// The values to send: a chromatogram's samples, or a raw demo signal (32-bit microvolts).
std::optional<std::vector<std::int32_t>> SimulatorValues(const std::string& path,
                                                         std::string& error) {
    auto file = InputFile::Open(path);
    if (!file.ok()) {
        error = file.error();
        return std::nullopt;
    }
    if (GuessFileKind(file->Head(8)) == FileKind::Chromatogram) {
        auto doc = LoadTzdFile(path);
        if (!doc.ok()) {
            error = doc.error();
            return std::nullopt;
        }
        return std::vector<std::int32_t>(doc->m_Samples.data(),
                                         doc->m_Samples.data() + doc->m_Samples.size());
    }
    return ReadDemoSignal(path);
}

int RunSimulator(const SimulatorOptions& o) {
    const int targets = !o.out.empty() + !o.device.empty() + o.pty;
    if (targets != 1)
        return UsageError(Tr(texts::kSimulatorTarget));
    if (o.channel != "A" && o.channel != "B" && o.channel != "both")
        return UsageError(
            Format(Tr(texts::kNotAChoice), "--channel", o.channel.c_str(), "A, B, both"));
    if (o.range.size() != 2 || o.range[0] != 'E' || o.range[1] < '1' || o.range[1] > '7')
        return UsageError(Format(Tr(texts::kNotAChoice), "--range", o.range.c_str(), "E1 … E7"));
    const auto rangeCode = static_cast<std::uint8_t>(0xE0 + (o.range[1] - '0'));
    if (!o.out.empty())
        if (const std::string refused = RefuseOutput(o.out, {o.from}, o.force); !refused.empty())
            return Fail(refused);
    std::string error;
    const auto values = SimulatorValues(o.from, error);
    if (!values)
        return Fail(error.empty() ? Tr(lx::texts::kDemoFileMissing) : error);

    int fd = -1, slave = -1;
    if (!o.out.empty()) {
        fd = ::open(o.out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } else if (!o.device.empty()) {
        fd = ::open(o.device.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    } else {
        char name[256] = {};
        if (::openpty(&fd, &slave, name, nullptr, nullptr) == 0) {
            termios raw{};
            ::tcgetattr(slave, &raw);
            ::cfmakeraw(&raw);
            ::tcsetattr(slave, TCSANOW, &raw);
            std::cout << name << std::endl;  // where the workstation reads the simulator
        }
    }
    if (fd < 0)
        return Fail(Format(Tr(texts::kSimulatorCannotWrite),
                           (o.out.empty() ? o.device : o.out).c_str(), std::strerror(errno)));
    const auto rate = 20;  // values per second and channel, as the detector streams them
    const std::size_t startIndex =
        o.startAt ? static_cast<std::size_t>(*o.startAt * 60.0 * rate) : values->size();
    bool written = true;
    for (std::size_t i = 0; i < values->size() && written; ++i) {
        std::vector<std::uint8_t> frames;
        for (int channel : {0, 1}) {
            if ((channel == 0 && o.channel == "B") || (channel == 1 && o.channel == "A"))
                continue;
            const auto f = EncodeFrame(channel, (*values)[i], rangeCode, i >= startIndex);
            frames.insert(frames.end(), f.begin(), f.end());
        }
        written = WriteFully(fd, frames.data(), frames.size());
        if (o.realtime)
            std::this_thread::sleep_for(std::chrono::milliseconds(1000 / rate));
    }
    if (o.pty && written) {
        // The reader may still be draining the line: the pseudo-terminal stays until the user
        // stops the simulator.
        std::cerr << Tr(texts::kSimulatorDone) << "\n";
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGINT);
        sigaddset(&stop, SIGTERM);
        sigprocmask(SIG_BLOCK, &stop, nullptr);
        int signal = 0;
        sigwait(&stop, &signal);
    }
    if (slave >= 0)
        ::close(slave);
    if (::close(fd) != 0 || !written)
        return Fail(Format(Tr(texts::kSimulatorCannotWrite),
                           (o.out.empty() ? o.device : o.out).c_str(), std::strerror(errno)));
    if (!o.out.empty())
        std::cout << o.out << "\n";
    return kOk;
}

}  // namespace

void AddAcquisitionCommands(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<DecodeOptions>();
    auto* decode = app.add_subcommand("decode", Tr(texts::kDecodeHelp));
    decode->add_option("CAPTURE", o->capture, Tr(texts::kCaptureHelp))->required();
    o->numbers.Add(decode, "--frequency", o->frequency, {10, 20}, texts::kFrequencyHelp,
                   Tr(texts::kPerSecondUnit));
    o->numbers.Add(decode, "--hold", o->hold, {0, 15}, texts::kHoldHelp);
    decode->add_flag("--json", o->json, Tr(texts::kDecodeJsonHelp));
    decode->callback(
        [o, &exitCode] { exitCode = o->numbers.StoreThenRun([&] { return RunDecode(*o); }); });

    auto s = std::make_shared<SimulatorOptions>();
    auto* sim = app.add_subcommand("detector-sim", Tr(texts::kSimulatorHelp));
    sim->add_option("--from", s->from, Tr(texts::kSimulatorFromHelp))->required();
    sim->add_option("--out", s->out, Tr(texts::kSimulatorOutHelp));
    sim->add_option("--device", s->device, Tr(texts::kSimulatorDeviceHelp));
    sim->add_flag("--pty", s->pty, Tr(texts::kSimulatorPtyHelp));
    sim->add_option("--channel", s->channel, Tr(texts::kSimulatorChannelHelp))
        ->type_name("A|B|both");
    sim->add_option("--range", s->range, Tr(texts::kSimulatorRangeHelp))->type_name("E1..E7");
    s->numbers.Add(sim, "--start-signal-at", s->startAt, {0, 100000}, texts::kStartSignalHelp,
                   Tr(texts::kMinutesUnit));
    sim->add_flag("--realtime", s->realtime, Tr(texts::kRealtimeHelp));
    sim->add_flag("--force", s->force, Tr(texts::kForceHelp));
    sim->callback(
        [s, &exitCode] { exitCode = s->numbers.StoreThenRun([&] { return RunSimulator(*s); }); });
}

}  // namespace lx::cli
