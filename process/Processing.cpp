#include "process/Processing.h"

#include <ctime>

#include "core/Numeric.h"
#include "peaks/Integration.h"
#include "process/ProcessTexts.h"
#include "process/SignalOperations.h"

namespace lx {
namespace {

// A flat result gets 1200 uV either side; so does a new one in the workstation's plots.
constexpr std::int32_t kFlatResultMargin = 1200;

std::span<const std::int32_t> SamplesOf(const CTzLabDoc& doc) {
    return {doc.m_Samples.data(), doc.m_Samples.size()};
}

void SetDisplayRange(CTzLabDoc& doc, std::int32_t flatMargin) {
    const LevelRange range = RangeOf(SamplesOf(doc), flatMargin);
    doc.m_DisplayTop = range.top;
    doc.m_DisplayBottom = range.bottom;
    doc.m_ChannelSetup.levelMax = range.top;
    doc.m_ChannelSetup.levelMin = range.bottom;
}

}  // namespace

std::string ResultName(const std::string& sourcePath, Processing processing) {
    // In the order of the enumeration.
    static constexpr const char* kSuffixes[] = {texts::kFlipSuffix, texts::kSmoothSuffix,
                                                texts::kDerivativeSuffix, texts::kAddSuffix,
                                                texts::kSubtractSuffix};
    const char* suffix = kSuffixes[static_cast<std::size_t>(processing)];
    // Only a point in the file's own name starts its extension.
    const auto dot = sourcePath.rfind('.');
    const auto separator = sourcePath.find_last_of("/\\");
    const bool hasExtension =
        dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return sourcePath.substr(0, hasExtension ? dot : std::string::npos) + suffix;
}

CTzLabDoc MakeResult(const CTzLabDoc& source, std::vector<std::int32_t> samples,
                     Prompter& prompter) {
    CTzLabDoc result;
    result.m_ChannelSetup = source.m_ChannelSetup;
    result.m_Params = source.m_Params;
    result.m_TimeProgram = source.m_TimeProgram;
    result.m_PrintSettings = source.m_PrintSettings;
    result.m_CreatedAt = static_cast<std::int32_t>(std::time(nullptr));
    result.m_Samples.Resize(samples.size());
    std::copy(samples.begin(), samples.end(), result.m_Samples.data());
    SetDisplayRange(result, kFlatResultMargin);
    IntegrateAndQuantify(result, prompter);
    return result;
}

CTzLabDoc Flip(const CTzLabDoc& source, Prompter& prompter) {
    return MakeResult(source, FlipSamples(SamplesOf(source)), prompter);
}

std::optional<CTzLabDoc> Smooth(const CTzLabDoc& source, std::int32_t width, Prompter& prompter) {
    if (width <= 1)
        return std::nullopt;
    return MakeResult(source, SmoothSamples(SamplesOf(source), width), prompter);
}

CTzLabDoc Derivative(const CTzLabDoc& source, Prompter& prompter) {
    return MakeResult(source, DerivativeSamples(SamplesOf(source), source.m_ChannelSetup.rate),
                      prompter);
}

CTzLabDoc Add(const CTzLabDoc& a, const CTzLabDoc& b, Prompter& prompter) {
    return MakeResult(a, AddSamples(SamplesOf(a), SamplesOf(b)), prompter);
}

CTzLabDoc Subtract(const CTzLabDoc& a, const CTzLabDoc& b, Prompter& prompter) {
    return MakeResult(a, SubtractSamples(SamplesOf(a), SamplesOf(b)), prompter);
}

std::int32_t BaselineShift(const CTzLabDoc& doc, double mv, bool autoZero) {
    return autoZero ? (doc.m_Samples.empty() ? 0 : doc.m_Samples.At(0)) : TruncToInt(mv * 1000.0);
}

bool ShiftBaseline(CTzLabDoc& doc, double mv, bool autoZero, Prompter& prompter) {
    const std::int32_t c = BaselineShift(doc, mv, autoZero);
    if (c == 0)
        return false;
    std::int32_t* s = doc.m_Samples.data();
    for (std::size_t i = 0; i < doc.m_Samples.size(); ++i)
        s[i] = SaturateToInt(std::int64_t{s[i]} - c);  // clipped as the other operations clip
    SetDisplayRange(doc, 0);
    IntegrateAndQuantify(doc, prompter);
    return true;
}

bool RemoveDrift(CTzLabDoc& doc, std::int32_t a, std::int32_t va, std::int32_t b, std::int32_t vb,
                 Prompter& prompter) {
    if (a == b || va == vb)
        return false;
    const double slope = (double(vb) - va) / (double(b) - a);
    std::int32_t* s = doc.m_Samples.data();
    for (std::size_t i = 0; i < doc.m_Samples.size(); ++i)
        s[i] = SaturateToInt(std::int64_t{s[i]} - std::int64_t((double(i) - a) * slope));
    SetDisplayRange(doc, 0);
    IntegrateAndQuantify(doc, prompter);
    return true;
}

}  // namespace lx
