#pragma once
// A signal from a text file made a chromatogram: our own text export read back exactly, and
// the time/value columns of other programs and data loggers.
//
// A chromatogram has one sampling rate, a whole number of samples per second, and starts at
// the injection, time 0; its samples are whole microvolts. The file's times must show that:
// the first is 0 and each is the even step's time to the precision it was written with, so
// "0.0008" stands for 1/1200 min (20 per second) as our export writes it. The rate is the one
// whole rate every time fits. What does not fit is refused with the line that shows it,
// unless a rate is given: then the values are resampled at it by linear interpolation.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "interchange/tables/SignalTextReader.h"

namespace lx {

enum class SignalTimeUnit { kMinutes, kSeconds };
enum class SignalValueUnit { kMicrovolts, kMillivolts, kVolts };

struct SignalImportOptions {
    SignalColumns m_Columns;
    SignalTimeUnit m_TimeUnit = SignalTimeUnit::kMinutes;
    SignalValueUnit m_ValueUnit = SignalValueUnit::kMicrovolts;
    // Samples per second; the file's times are resampled at it when they do not fit it.
    std::optional<std::int32_t> m_Rate;
};

struct ImportedSignal {
    std::vector<std::int32_t> m_Samples;  // µV
    std::int32_t m_Rate = 0;              // samples per second
    std::size_t m_Rows = 0;               // data lines read
    bool m_Resampled = false;
    std::size_t m_RoundedValues = 0;  // values finer than 1 µV, rounded to whole µV
    double m_LargestRounding = 0.0;   // µV
};

struct SignalImport {
    std::optional<ImportedSignal> m_Signal;
    std::string m_Error;           // why there is no signal
    bool m_RateWouldHelp = false;  // the times need a rate given: uneven, not whole, ambiguous
};

// Bounds on what a file may make, checked before anything of that size is held.
inline constexpr std::uint64_t kMaxSignalFileBytes = 2ULL << 30;
inline constexpr std::size_t kMaxImportedSamples = 50'000'000;  // a day at 500 per second
// Samples per second; a detector gives 10 or 20, a fast logger a few hundred.
inline constexpr std::int32_t kMaxSignalRate = 10000;

// Reads the file (several passes, so only the samples are held).
SignalImport ImportSignalText(const std::string& path, const SignalImportOptions& options);

// The chromatogram of the samples at the rate, as a new run is: every default, created now,
// its display range from its samples, integrated with the default parameters. Anything the
// integration tells goes to `prompter`.
CTzLabDoc ImportedChromatogram(ImportedSignal signal, Prompter& prompter);

}  // namespace lx
