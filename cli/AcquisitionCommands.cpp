#include "cli/AcquisitionCommands.h"

#include <iostream>
#include <memory>

#include <nlohmann/json.hpp>

#include "acq/DetectorFrames.h"
#include "cli/CliCommon.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "cli/RecordJson.h"
#include "core/FileIo.h"
#include "core/Format.h"

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

}  // namespace

void AddAcquisitionCommands(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<DecodeOptions>();
    auto* decode = app.add_subcommand("decode", Tr(texts::kDecodeHelp));
    decode->add_option("CAPTURE", o->capture, Tr(texts::kCaptureHelp))->required();
    o->numbers.Add(decode, "--frequency", o->frequency, {10, 20}, texts::kFrequencyHelp,
                   Tr(texts::kPerSecondUnit));
    o->numbers.Add(decode, "--hold", o->hold, {0, 15}, texts::kHoldHelp);
    decode->add_flag("--json", o->json, Tr(texts::kDecodeJsonHelp));
    decode->callback([o, &exitCode] {
        const std::string refused = o->numbers.Store();
        exitCode = refused.empty() ? RunDecode(*o) : UsageError(refused);
    });
}

}  // namespace lx::cli
