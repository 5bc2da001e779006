#include "cli/ProcessCommands.h"

#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/AndiCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliPrompter.h"
#include "cli/CliTexts.h"
#include "cli/NumberOptions.h"
#include "core/Format.h"
#include "core/Numeric.h"
#include "core/TzdFile.h"
#include "process/Processing.h"
#include "process/TextExport.h"
#include "report/GuiApplication.h"
#include "report/PictureExport.h"
#include "report/ReportPicture.h"
#include "report/TextReport.h"

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
    std::string png;
    std::string bmp;
    std::string rtf;
    std::string andi;
    std::string size = "1200x800";
    std::string time;
    std::string signal;
    bool force = false;
};

// A number that is the whole of `text`, and finite.
bool ParseNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

// "A<sep>B" with two numbers.
bool ParsePair(const std::string& text, char separator, double& a, double& b) {
    const auto at = text.find(separator);
    return at != std::string::npos && ParseNumber(text.substr(0, at), a) &&
           ParseNumber(text.substr(at + 1), b);
}

int WriteToStandardOutput(const std::vector<std::uint8_t>& bytes) {
    std::cout.flush();
    ArchiveWriter out(STDOUT_FILENO);
    out.WriteBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return out.Flush() ? kOk : Fail(Format(Tr(texts::kWriteFailed), "-"));
}

// The plot as the picture files have it (white paper, black frame), the whole run fitted
// unless a range is given, as "坐标设置" would set it.
int RunPictureExport(const ExportOptions& o) {
    const bool png = !o.png.empty();
    const std::string& out = png ? o.png : o.bmp;
    double w = 0, h = 0;
    if (!ParsePair(o.size, 'x', w, h) || w != std::trunc(w) || h != std::trunc(h) || w < 100 ||
        w > 3000 || h < 100 || h > 3000)
        return UsageError(Format(Tr(texts::kBadSize), o.size.c_str()));
    double t0 = 0, t1 = 0, s0 = 0, s1 = 0;
    if (!o.time.empty() && (!ParsePair(o.time, ':', t0, t1) || t0 < 0 || t1 <= t0 || t1 > 1e6))
        return UsageError(Format(Tr(texts::kBadTimeRange), o.time.c_str()));
    if (!o.signal.empty() &&
        (!ParsePair(o.signal, ':', s0, s1) || s0 < -2500 || s1 <= s0 || s1 > 2500))
        return UsageError(Format(Tr(texts::kBadSignalRange), o.signal.c_str()));
    if (!IsStandardOutput(out))
        if (const std::string refused = RefuseOutput(out, {o.in}, o.force); !refused.empty())
            return Fail(refused);
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    EnsureGuiApplication("lx6600-cli");
    PlotPicture picture;
    picture.doc = &doc.value();
    picture.view.ShowFitted(doc.value());
    if (!o.time.empty()) {
        picture.view.m_TimeMin = t0;
        picture.view.m_TimeMax = t1;
    }
    if (!o.signal.empty()) {
        picture.view.m_SignalMin = TruncToInt(s0 * 1000.0);
        picture.view.m_SignalMax = TruncToInt(s1 * 1000.0);
    }
    const QImage image = RenderPlotImage(picture, QSize(static_cast<int>(w), static_cast<int>(h)));
    if (IsStandardOutput(out)) {
        const std::vector<std::uint8_t> bytes = png ? PngBytes(image) : BmpBytes(image);
        if (bytes.empty())
            return Fail(Tr(texts::kOutOfMemory));
        return WriteToStandardOutput(bytes);
    }
    const Status saved = png ? SavePng(image, out) : SaveBmp(image, out);
    if (!saved.ok())
        return Fail(saved.error());
    std::cout << out << "\n";
    return kOk;
}

// The analysis report as the report window keeps it: rich text with the picture, the .Tze file.
int RunReportExport(const ExportOptions& o) {
    if (const std::string refused = RefuseOutput(o.rtf, {o.in}, o.force); !refused.empty())
        return Fail(refused);
    auto doc = LoadTzdFile(o.in);
    if (!doc.ok())
        return Fail(doc.error());
    EnsureGuiApplication("lx6600-cli");
    TextReportRequest request;
    request.doc = &doc.value();
    request.fileName = std::filesystem::path(o.in).filename().string();
    request.picture = ReportPictureImage(doc.value());
    if (Status written = WriteTextReport(request, o.rtf); !written.ok())
        return Fail(written.error());
    std::cout << o.rtf << "\n";
    return kOk;
}

int RunExport(const ExportOptions& o) {
    const int outputs =
        !o.text.empty() + !o.png.empty() + !o.bmp.empty() + !o.rtf.empty() + !o.andi.empty();
    if (outputs != 1)
        return UsageError(Tr(texts::kExportNeedsOne));
    if (!o.andi.empty())
        return RunAndiExport(o.in, o.andi, o.force);
    if (!o.rtf.empty())
        return RunReportExport(o);
    if (o.text.empty())
        return RunPictureExport(o);
    if (!IsStandardOutput(o.text))
        if (const std::string refused = RefuseOutput(o.text, {o.in}, o.force); !refused.empty())
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
    auto* text = exportCmd->add_option("--text", e->text, Tr(texts::kTextHelp));
    auto* png = exportCmd->add_option("--png", e->png, Tr(texts::kPngHelp))->excludes(text);
    auto* bmp =
        exportCmd->add_option("--bmp", e->bmp, Tr(texts::kBmpHelp))->excludes(text)->excludes(png);
    auto* rtf = exportCmd->add_option("--rtf", e->rtf, Tr(texts::kRtfHelp))
                    ->excludes(text)
                    ->excludes(png)
                    ->excludes(bmp);
    exportCmd->add_option("--andi", e->andi, Tr(texts::kAndiExportHelp))
        ->type_name("OUT.cdf")
        ->excludes(text)
        ->excludes(png)
        ->excludes(bmp)
        ->excludes(rtf);
    exportCmd->add_option("--size", e->size, Tr(texts::kSizeHelp))->type_name("WxH");
    exportCmd->add_option("--time", e->time, Tr(texts::kTimeRangeHelp))->type_name("FROM:TO");
    exportCmd->add_option("--signal", e->signal, Tr(texts::kSignalRangeHelp))
        ->type_name("LOW:HIGH");
    exportCmd->add_flag("--force", e->force, Tr(texts::kForceHelp));
    exportCmd->callback([e, &exitCode] { exitCode = RunExport(*e); });
}

}  // namespace lx::cli
