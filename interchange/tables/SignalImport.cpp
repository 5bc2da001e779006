#include "interchange/tables/SignalImport.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include "core/Format.h"
#include "core/Numeric.h"
#include "interchange/tables/TablesTexts.h"
#include "process/Processing.h"

namespace lx {
namespace {

// Rates named in a message; more are "...".
constexpr std::size_t kRatesNamed = 8;
// What a comparison of a time with the even step's may be off by in the last bits of a double,
// relative to the half digit the file gives.
constexpr double kSlack = 1e-9;

int ValueShift(SignalValueUnit unit) {
    switch (unit) {
        case SignalValueUnit::kMillivolts:
            return 3;
        case SignalValueUnit::kVolts:
            return 6;
        case SignalValueUnit::kMicrovolts:
            break;
    }
    return 0;
}

std::string Number(double v) {
    return Format("%.10g", v);
}

class Importer {
public:
    Importer(const std::string& path, const SignalImportOptions& options)
        : m_Path(path), m_Options(options), m_Shift(ValueShift(options.m_ValueUnit)) {}

    SignalImport Run();

private:
    SignalImport Refuse(std::string message, bool rateWouldHelp = false) const {
        SignalImport refused;
        refused.m_Error = std::move(message);
        refused.m_RateWouldHelp = rateWouldHelp;
        return refused;
    }
    SignalImport Accept() {
        SignalImport accepted;
        accepted.m_Signal = std::move(m_Signal);
        return accepted;
    }
    // The time of sample i at `rate`, in the file's unit, as the chromatogram computes it.
    double TimeAt(std::size_t i, double rate) const {
        const double seconds = static_cast<double>(i) / rate;
        return m_Options.m_TimeUnit == SignalTimeUnit::kMinutes ? seconds / 60.0 : seconds;
    }
    double Seconds(const DecimalText& time) const {
        return m_Options.m_TimeUnit == SignalTimeUnit::kMinutes ? time.m_Value * 60.0
                                                                : time.m_Value;
    }

    // Pass 1: every line checked, the values kept; "" or the refusal.
    std::string Survey();
    // The whole rates the last time allows.
    std::vector<std::int32_t> RateCandidates() const;
    // Pass 2: the candidates every time fits; notes the first line an even step misses.
    // A rate that misses one time is dropped there, so few survive more than a few lines.
    std::string KeepFitting(std::vector<std::int32_t>& rates);
    // Pass 3: the values at `rate`, linearly interpolated between the lines around each time.
    std::string Resample(std::int32_t rate);

    const std::string& m_Path;
    const SignalImportOptions& m_Options;
    const int m_Shift;
    ImportedSignal m_Signal;
    DecimalText m_LastTime;
    std::size_t m_UnevenLine = 0;  // 0: an even step fits every line
    std::string m_UnevenTime, m_EvenTime;
};

std::string Importer::Survey() {
    auto reader = SignalTextReader::Open(m_Path, m_Options.m_Columns);
    if (!reader.ok())
        return reader.error();
    SignalRow row;
    while (reader->Next(row)) {
        if (m_Signal.m_Rows == kMaxImportedSamples)
            return Format(Tr(texts::kSignalTooManySamples), m_Path.c_str(), kMaxImportedSamples);
        if (m_Signal.m_Rows == 0 && std::fabs(row.m_Time.m_Value) > row.m_Time.HalfLastDigit())
            return Format(Tr(texts::kSignalFirstTime), m_Path.c_str(), row.m_Line,
                          row.m_Time.m_Text.c_str());
        if (m_Signal.m_Rows > 0 && row.m_Time.m_Value < m_LastTime.m_Value)
            return Format(Tr(texts::kSignalTimeBack), m_Path.c_str(), row.m_Line,
                          row.m_Time.m_Text.c_str(), m_LastTime.m_Text.c_str());
        const std::optional<WholeNumber> value = ScaleToInt32(row.m_Value, m_Shift);
        if (!value)
            return Format(Tr(texts::kSignalValueRange), m_Path.c_str(), row.m_Line,
                          row.m_Value.m_Text.c_str());
        if (value->m_Rounded) {
            ++m_Signal.m_RoundedValues;
            const double exact = row.m_Value.m_Value * std::pow(10.0, m_Shift);
            m_Signal.m_LargestRounding =
                std::max(m_Signal.m_LargestRounding, std::fabs(exact - value->m_Value));
        }
        m_Signal.m_Samples.push_back(value->m_Value);
        m_LastTime = std::move(row.m_Time);
        ++m_Signal.m_Rows;
    }
    return reader->Error();
}

std::vector<std::int32_t> Importer::RateCandidates() const {
    const double spans = static_cast<double>(m_Signal.m_Rows - 1);
    const double unit = m_Options.m_TimeUnit == SignalTimeUnit::kMinutes ? 60.0 : 1.0;
    const double latest = m_LastTime.m_Value + m_LastTime.HalfLastDigit();
    const double earliest = m_LastTime.m_Value - m_LastTime.HalfLastDigit();
    const double low = std::max(1.0, std::ceil(spans / (unit * latest) * (1 - kSlack)));
    const double high =
        earliest <= 0.0 ? kMaxSignalRate
                        : std::min<double>(kMaxSignalRate,
                                           std::floor(spans / (unit * earliest) * (1 + kSlack)));
    std::vector<std::int32_t> rates;
    for (double r = low; r <= high; ++r)
        rates.push_back(static_cast<std::int32_t>(r));
    return rates;
}

std::string Importer::KeepFitting(std::vector<std::int32_t>& rates) {
    auto reader = SignalTextReader::Open(m_Path, m_Options.m_Columns);
    if (!reader.ok())
        return reader.error();
    const double spans = static_cast<double>(m_Signal.m_Rows - 1);
    const double step = m_LastTime.m_Value / spans;
    SignalRow row;
    for (std::size_t i = 0; reader->Next(row); ++i) {
        const double t = row.m_Time.m_Value;
        const double allowed = row.m_Time.HalfLastDigit() * (1 + kSlack);
        std::erase_if(rates, [&](std::int32_t r) { return std::fabs(t - TimeAt(i, r)) > allowed; });
        // An even step is known only as well as the last time, and that spreads along the run.
        const double even = static_cast<double>(i) * step;
        const double evenAllowed =
            allowed + m_LastTime.HalfLastDigit() * static_cast<double>(i) / spans;
        if (!m_UnevenLine && std::fabs(t - even) > evenAllowed) {
            m_UnevenLine = row.m_Line;
            m_UnevenTime = row.m_Time.m_Text;
            m_EvenTime = Number(even);
        }
    }
    return reader->Error();
}

std::string Importer::Resample(std::int32_t rate) {
    const double last = Seconds(m_LastTime);
    const double estimate = std::floor(last * rate) + 2;
    if (estimate > static_cast<double>(kMaxImportedSamples))
        return Format(Tr(texts::kSignalTooManySamples), m_Path.c_str(), kMaxImportedSamples);
    auto reader = SignalTextReader::Open(m_Path, m_Options.m_Columns);
    if (!reader.ok())
        return reader.error();
    const double scale = std::pow(10.0, m_Shift);
    std::vector<std::int32_t> samples;
    samples.reserve(static_cast<std::size_t>(estimate));
    const auto due = [&](double seconds) {
        return static_cast<double>(samples.size()) / rate <= seconds * (1 + kSlack) + kSlack;
    };
    SignalRow row;
    double t0 = 0.0, v0 = 0.0;
    for (bool first = true; reader->Next(row); first = false) {
        const double t1 = Seconds(row.m_Time);
        const double v1 = row.m_Value.m_Value * scale;
        while (due(t1)) {
            const double t = static_cast<double>(samples.size()) / rate;
            // Times up to the first line's (which is 0 to its precision) take its value.
            const double v = first ? v1 : v0 + (v1 - v0) * (t - t0) / (t1 - t0);
            samples.push_back(SaturateToInt(std::llround(v)));
        }
        t0 = t1;
        v0 = v1;
    }
    if (!reader->Error().empty())
        return reader->Error();
    m_Signal.m_Samples = std::move(samples);
    m_Signal.m_Rate = rate;
    m_Signal.m_Resampled = true;
    return {};
}

SignalImport Importer::Run() {
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(m_Path, ec);
    if (!ec && bytes > kMaxSignalFileBytes)
        return Refuse(Format(Tr(texts::kSignalTooLarge), m_Path.c_str(),
                             static_cast<unsigned long long>(bytes),
                             static_cast<unsigned long long>(kMaxSignalFileBytes)));
    if (std::string refused = Survey(); !refused.empty())
        return Refuse(std::move(refused));
    const std::optional<std::int32_t> given = m_Options.m_Rate;
    if (m_Signal.m_Rows == 1) {
        if (!given)
            return Refuse(Format(Tr(texts::kSignalOneRow), m_Path.c_str()), true);
        m_Signal.m_Rate = *given;
        return Accept();
    }
    std::vector<std::int32_t> rates = RateCandidates();
    if (std::string refused = KeepFitting(rates); !refused.empty())
        return Refuse(std::move(refused));
    if (given) {
        if (std::find(rates.begin(), rates.end(), *given) == rates.end())
            if (std::string refused = Resample(*given); !refused.empty())
                return Refuse(std::move(refused));
        if (!m_Signal.m_Resampled)
            m_Signal.m_Rate = *given;
        return Accept();
    }
    if (rates.size() == 1) {
        m_Signal.m_Rate = rates.front();
        return Accept();
    }
    if (!rates.empty()) {
        std::string list = std::to_string(rates.front());
        for (std::size_t i = 1; i < std::min(rates.size(), kRatesNamed); ++i)
            list += ", " + std::to_string(rates[i]);
        if (rates.size() > kRatesNamed)
            list += ", ...";
        return Refuse(
            Format(Tr(texts::kSignalRateAmbiguous), m_Path.c_str(), m_Signal.m_Rows, list.c_str()),
            true);
    }
    if (m_UnevenLine)
        return Refuse(Format(Tr(texts::kSignalUneven), m_Path.c_str(), m_UnevenLine,
                             m_UnevenTime.c_str(), m_EvenTime.c_str()),
                      true);
    const double stepSeconds = Seconds(m_LastTime) / static_cast<double>(m_Signal.m_Rows - 1);
    if (!(stepSeconds > 0.0))
        return Refuse(Format(Tr(texts::kSignalTimeStands), m_Path.c_str(), m_Signal.m_Rows,
                             m_LastTime.m_Text.c_str()),
                      true);
    return Refuse(Format(Tr(texts::kSignalRateNotWhole), m_Path.c_str(),
                         Number(stepSeconds).c_str(), Number(1.0 / stepSeconds).c_str()),
                  true);
}

}  // namespace

SignalImport ImportSignalText(const std::string& path, const SignalImportOptions& options) {
    return Importer(path, options).Run();
}

CTzLabDoc ImportedChromatogram(ImportedSignal signal, Prompter& prompter) {
    CTzLabDoc run;
    const std::size_t count = signal.m_Samples.size();
    run.m_ChannelSetup.rate = signal.m_Rate;
    run.m_ChannelSetup.stopTime = run.SpanToMinutes(static_cast<double>(count));
    // The plot's time axis shows the whole of a shorter run.
    run.m_ChannelSetup.timeMax = static_cast<std::int32_t>(
        std::min<std::size_t>(count, static_cast<std::size_t>(run.m_ChannelSetup.timeMax)));
    return MakeResult(run, std::move(signal.m_Samples), prompter);
}

}  // namespace lx
