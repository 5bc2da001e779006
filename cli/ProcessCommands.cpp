#include "cli/ProcessCommands.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "process/Processing.h"
#include "process/TextExport.h"

namespace lx::cli {
namespace {

struct ProcessOptions {
    std::string in;
    std::string other;
    std::string out;
    int width = 5;
    std::optional<double> mv;
    bool autoZero = false;
    bool inPlace = false;
    bool force = false;
    NumberOptions numbers;
};

// Writes the result and prints where it went.
int Store(CTzLabDoc& result, const std::string& out) {
    Status saved = SaveTzdFile(result, out);
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << out << "\n";
    return kOk;
}

int RunProcess(Processing processing, const ProcessOptions& o) {
    const std::string out = o.out.empty() ? ResultName(o.in, processing) : o.out;
    if (const std::string refused = RefuseOverwrite(out, o.force); !refused.empty())
        return Fail(refused);
    auto in = LoadTzdFile(o.in);
    if (!in.ok())
        return Fail(in.error());
    CliPrompter prompter;
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

// The shifted chromatogram is the same chromatogram, so it goes back over IN only when asked.
// A shift of 0 changes nothing: nothing is written but a copy to OUT.
int RunShift(const ProcessOptions& o) {
    if (!o.mv && !o.autoZero)
        return UsageError(Tr(texts::kShiftNeedsAmount));
    if (o.out.empty() == !o.inPlace)
        return UsageError(Tr(texts::kShiftNeedsTarget));
    if (!o.inPlace)
        if (const std::string refused = RefuseOverwrite(o.out, o.force); !refused.empty())
            return Fail(refused);
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    CliPrompter prompter;
    const bool shifted = ShiftBaseline(doc.value(), o.mv.value_or(0.0), o.autoZero, prompter);
    if (!shifted && o.inPlace) {
        std::cerr << Tr(texts::kShiftNothing) << "\n";
        return kOk;
    }
    return Store(doc.value(), o.inPlace ? o.in : o.out);
}

struct ExportOptions {
    std::string in;
    std::string text;
    bool force = false;
};

int RunExport(const ExportOptions& o) {
    if (!IsStandardOutput(o.text))
        if (const std::string refused = RefuseOverwrite(o.text, o.force); !refused.empty())
            return Fail(refused);
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    if (IsStandardOutput(o.text)) {
        std::cout.flush();
        ArchiveWriter out(STDOUT_FILENO);
        WriteSampleText(doc.value(), out);
        return out.Flush() ? kOk : Fail(Format(Tr(texts::kWriteFailed), "-"));
    }
    Status written = ExportText(doc.value(), o.text);
    if (!written.ok())
        return Fail(written.error());
    std::cout << o.text << "\n";
    return kOk;
}

void AddOne(CLI::App* process, int& exitCode, const std::string& name, const Text& help,
            std::optional<Processing> processing) {
    auto o = std::make_shared<ProcessOptions>();
    auto* cmd = process->add_subcommand(name, Tr(help));
    cmd->add_option("IN", o->in, Tr(texts::kInHelp))->required();
    if (processing == Processing::kAdd || processing == Processing::kSubtract)
        cmd->add_option("OTHER", o->other, Tr(texts::kOtherHelp))->required();
    cmd->add_option("OUT", o->out, Tr(processing ? texts::kOutHelp : texts::kShiftOutHelp));
    cmd->add_flag("--force", o->force, Tr(texts::kForceHelp));
    if (processing == Processing::kSmooth)
        o->numbers.Add(cmd, "--width", o->width, {2, 1e9}, texts::kWidthHelp,
                       Tr(texts::kSamplesUnit));
    if (!processing) {
        // Full scale is +-2500 mV, so no sensible shift is larger than the whole range.
        auto* mv = o->numbers.Add(cmd, "--mv", o->mv, {-5000, 5000}, texts::kMvHelp, "mV");
        cmd->add_flag("--auto-zero", o->autoZero, Tr(texts::kAutoZeroHelp))->excludes(mv);
        cmd->add_flag("--in-place", o->inPlace, Tr(texts::kInPlaceHelp));
    }
    cmd->callback([o, &exitCode, processing] {
        exitCode = o->numbers.StoreThenRun(
            [&] { return processing ? RunProcess(*processing, *o) : RunShift(*o); });
    });
}

}  // namespace

void AddProcessCommands(CLI::App& app, int& exitCode) {
    auto* process = app.add_subcommand("process", Tr(texts::kProcessHelp));
    process->require_subcommand(1);
    AddOne(process, exitCode, "flip", texts::kFlipHelp, Processing::kFlip);
    AddOne(process, exitCode, "smooth", texts::kSmoothHelp, Processing::kSmooth);
    AddOne(process, exitCode, "derivative", texts::kDerivativeHelp, Processing::kDerivative);
    AddOne(process, exitCode, "add", texts::kAddHelp, Processing::kAdd);
    AddOne(process, exitCode, "subtract", texts::kSubtractHelp, Processing::kSubtract);
    AddOne(process, exitCode, "shift", texts::kShiftHelp, std::nullopt);

    auto e = std::make_shared<ExportOptions>();
    auto* exportCmd = app.add_subcommand("export", Tr(texts::kExportHelp));
    exportCmd->add_option("FILE", e->in, Tr(texts::kInHelp))->required();
    exportCmd->add_option("--text", e->text, Tr(texts::kTextHelp))->required();
    exportCmd->add_flag("--force", e->force, Tr(texts::kForceHelp));
    exportCmd->callback([e, &exitCode] { exitCode = RunExport(*e); });
}

}  // namespace lx::cli
