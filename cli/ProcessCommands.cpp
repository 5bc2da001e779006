#include "cli/ProcessCommands.h"

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "core/TzdFile.h"
#include "process/Processing.h"
#include "process/TextExport.h"

namespace lx::cli {
namespace {

struct ProcessOptions {
    std::string in;
    std::string other;
    std::string out;
    std::int32_t width = 5;
    std::optional<double> mv;
    bool autoZero = false;
};

// Writes the result to OUT, or beside IN under the command's name; prints where.
int Store(CTzLabDoc& result, const std::string& out) {
    Status saved = SaveTzdFile(result, out);
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << out << "\n";
    return kOk;
}

int RunProcess(Processing processing, const ProcessOptions& o) {
    auto in = LoadTzdFile(o.in);
    if (!in.ok())
        return Fail(in.error());
    CliPrompter prompter;
    const std::string out = o.out.empty() ? ResultName(o.in, processing) : o.out;
    switch (processing) {
        case Processing::kFlip: {
            CTzLabDoc result = Flip(in.value(), prompter);
            return Store(result, out);
        }
        case Processing::kSmooth: {
            auto result = Smooth(in.value(), o.width, prompter);
            return Store(*result, out);  // the width is checked to be above 1
        }
        case Processing::kDerivative: {
            CTzLabDoc result = Derivative(in.value(), prompter);
            return Store(result, out);
        }
        case Processing::kAdd:
        case Processing::kSubtract:
            break;
    }
    auto other = LoadTzdFile(o.other);
    if (!other.ok())
        return Fail(other.error());
    CTzLabDoc result = processing == Processing::kAdd
                           ? Add(in.value(), other.value(), prompter)
                           : Subtract(in.value(), other.value(), prompter);
    return Store(result, out);
}

// The shifted chromatogram is the same chromatogram: without OUT it is saved where it is.
// A shift of 0 changes nothing, and nothing is written but a copy to OUT.
int RunShift(const ProcessOptions& o) {
    if (!o.mv && !o.autoZero) {
        std::cerr << "shift takes --mv or --auto-zero\n";
        return kUsage;
    }
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    CliPrompter prompter;
    const bool shifted = ShiftBaseline(doc.value(), o.mv.value_or(0.0), o.autoZero, prompter);
    if (!shifted && o.out.empty())
        return kOk;
    return Store(doc.value(), o.out.empty() ? o.in : o.out);
}

int RunExport(const std::string& in, const std::string& text) {
    auto doc = LoadTzdFile(in);
    if (!doc.ok())
        return Fail(doc.error());
    Status written = ExportText(doc.value(), text);
    return written.ok() ? kOk : Fail(written.error());
}

CLI::App* AddOne(CLI::App* process, int& exitCode, const std::string& name, const std::string& help,
                 std::optional<Processing> processing) {
    auto o = std::make_shared<ProcessOptions>();
    auto* cmd = process->add_subcommand(name, help);
    cmd->add_option("IN", o->in, "chromatogram (.Tzd)")->required();
    if (processing == Processing::kAdd || processing == Processing::kSubtract)
        cmd->add_option("OTHER", o->other, "chromatogram 2, paired by sample index")->required();
    cmd->add_option("OUT", o->out,
                    "where the result goes (default: beside IN, named after "
                    "the command)");
    if (processing == Processing::kSmooth)
        cmd->add_option("--width", o->width, "smoothing interval, samples (default 5)")
            ->check(CLI::Range(2, 1 << 30));
    if (!processing) {
        auto* mv = cmd->add_option("--mv", o->mv, "subtract this many mV from every sample");
        cmd->add_flag("--auto-zero", o->autoZero, "subtract the first sample (zero baseline)")
            ->excludes(mv);
        cmd->callback([o, &exitCode] { exitCode = RunShift(*o); });
        return cmd;
    }
    cmd->callback([o, &exitCode, processing] { exitCode = RunProcess(*processing, *o); });
    return cmd;
}

}  // namespace

void AddProcessCommands(CLI::App& app, int& exitCode) {
    auto* process = app.add_subcommand(
        "process", "Make a chromatogram from others (integrated), or shift one's baseline");
    process->require_subcommand(1);
    AddOne(process, exitCode, "flip", "Mirror about the first sample", Processing::kFlip);
    AddOne(process, exitCode, "smooth", "Moving average", Processing::kSmooth);
    AddOne(process, exitCode, "derivative", "First derivative, uV/s", Processing::kDerivative);
    AddOne(process, exitCode, "add", "IN - IN[0] + OTHER", Processing::kAdd);
    AddOne(process, exitCode, "subtract", "IN - OTHER + IN[0]", Processing::kSubtract);
    AddOne(process, exitCode, "shift", "Shift the baseline (in place without OUT)", std::nullopt);

    auto files = std::make_shared<std::pair<std::string, std::string>>();
    auto* exportCmd = app.add_subcommand("export", "Write a chromatogram's samples as text");
    exportCmd->add_option("FILE", files->first, "chromatogram (.Tzd)")->required();
    exportCmd->add_option("--text", files->second, "one line per sample: minutes, value")
        ->required();
    exportCmd->callback([files, &exitCode] { exitCode = RunExport(files->first, files->second); });
}

}  // namespace lx::cli
