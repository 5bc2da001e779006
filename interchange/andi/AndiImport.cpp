#include "interchange/andi/AndiImport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <new>
#include <vector>

#include "core/FileIo.h"
#include "core/Format.h"
#include "interchange/andi/AndiNames.h"
#include "interchange/andi/AndiPeaks.h"
#include "interchange/andi/AndiSignal.h"
#include "interchange/andi/AndiTexts.h"
#include "interchange/andi/AndiTime.h"
#include "interchange/andi/ClassicHeader.h"
#include "interchange/andi/NetCdfFile.h"
#include "peaks/Integration.h"

namespace lx {
namespace {

// No chromatogram has an hour between two of its points.
constexpr double kLongestInterval = 3600.0;

// Seconds per unit of the file's times, in the spellings writers use.
std::optional<double> SecondsPerUnit(std::string_view unit) {
    std::string u;
    for (char c : unit)
        if (c != ' ')
            u += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* s : {"seconds", "second", "sec", "secs", "s"})
        if (u == s)
            return 1.0;
    for (const char* m : {"minutes", "minute", "min", "mins"})
        if (u == m)
            return 60.0;
    for (const char* ms : {"milliseconds", "millisecond", "msec", "ms"})
        if (u == ms)
            return 0.001;
    return std::nullopt;
}

// A global text under its standard name, or under the plural some writers use.
std::optional<std::string> GlobalText(const NetCdfFile& file, const char* name,
                                      const char* spelledOtherwise = nullptr) {
    std::optional<std::string> text = file.Text(NC_GLOBAL, name);
    if (!text && spelledOtherwise)
        text = file.Text(NC_GLOBAL, spelledOtherwise);
    return text;
}

class Import {
public:
    Import(const NetCdfFile& file, const AndiImportOptions& options)
        : m_File(file), m_Options(options) {}

    Result<CTzLabDoc> Run(Prompter& prompter);

private:
    template <class... Args>
    Status Fail(const Text& text, Args... args) const {
        return Status::Failure(Format(Tr(text), m_File.Name().c_str(), args...));
    }
    // A scalar in the file's time unit, as seconds; `fallback` when the file lacks it.
    Result<double> Seconds(const char* name, std::optional<double> fallback) const;
    Status ReadSignal(CTzLabDoc& doc);
    void ReadTexts(CTzLabDoc& doc);

    const NetCdfFile& m_File;
    const AndiImportOptions& m_Options;
    AndiFrame m_Frame;
    std::vector<std::string> m_Notes;
};

Result<double> Import::Seconds(const char* name, std::optional<double> fallback) const {
    const std::optional<int> var = m_File.Var(name);
    if (!var) {
        if (fallback)
            return *fallback;
        return Fail(texts::kAndiMissing, name);
    }
    auto value = m_File.Scalar(*var);
    if (!value.ok())
        return value.status();
    if (!std::isfinite(value.value()))
        return Fail(texts::kAndiWrongShape, name, Tr(texts::kAndiShapeNumber));
    return value.value() * m_Frame.secondsPerUnit;
}

Status Import::ReadSignal(CTzLabDoc& doc) {
    const std::optional<int> ordinates = m_File.Var("ordinate_values");
    if (!ordinates)
        return Fail(texts::kAndiMissing, "ordinate_values");
    std::optional<std::string> uniform = m_File.Text(*ordinates, "uniform_sampling_flag");
    if (!uniform)
        uniform = m_File.Text(NC_GLOBAL, "uniform_sampling_flag");
    if (uniform && !uniform->empty() &&
        std::toupper(static_cast<unsigned char>((*uniform)[0])) == 'N')
        return Fail(texts::kAndiNonUniform);
    auto values = m_File.Series(*ordinates);
    if (!values.ok())
        return values.status();
    for (std::size_t i = 0; i < values->size(); ++i)
        if (!std::isfinite(values.value()[i]))
            return Fail(texts::kAndiNotANumber, i + 1);
    // Peak indices are 32-bit.
    if (values->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return Fail(texts::kAndiNoMemory);

    auto seconds = Seconds("actual_sampling_interval", std::nullopt);
    if (!seconds.ok())
        return seconds.status();
    const double interval = seconds.value();
    if (!(interval > 0) || interval > kLongestInterval)
        return Fail(texts::kAndiBadInterval, interval);
    auto delay = Seconds("actual_delay_time", 0.0);
    if (!delay.ok())
        return delay.status();
    m_Frame.delay = delay.value();

    const std::optional<int> whole = WholeRate(interval);
    int rate = 0;
    std::vector<double> signal;
    if (m_Options.rate && !(whole && *whole == *m_Options.rate)) {
        rate = *m_Options.rate;
        const double count = ResampledCount(values->size(), interval, rate);
        if (count > static_cast<double>(values->size()) + kMaxExtraResampled)
            return Fail(texts::kAndiTooLong, count);
        signal = Resample(values.value(), interval, rate);
        m_Notes.push_back(Format(Tr(texts::kNoteResampled), 1.0 / interval, rate));
    } else if (whole) {
        rate = *whole;
        signal = std::move(values.value());
    } else {
        return Fail(texts::kAndiRateNotWhole, interval, 1.0 / interval);
    }

    const std::optional<std::string> unit = GlobalText(m_File, "detector_unit", "detector_units");
    m_Frame.scale = OrdinateScale(unit, signal);
    const std::vector<std::int32_t> samples = RoundToMicrovolts(signal, m_Frame.scale);
    const bool asIs = unit && MicrovoltsPerUnit(*unit) == 1.0 && m_Frame.scale == 1.0 &&
                      std::equal(signal.begin(), signal.end(), samples.begin());
    if (!asIs)
        m_Notes.push_back(Format(Tr(texts::kNoteScale),
                                 unit ? unit->c_str() : Tr(texts::kNoteUnknownUnit),
                                 m_Frame.scale));
    if (m_Frame.delay != 0)
        m_Notes.push_back(Format(Tr(texts::kNoteDelay), m_Frame.delay));

    doc.m_Samples.Resize(samples.size());
    std::copy(samples.begin(), samples.end(), doc.m_Samples.data());
    doc.m_ChannelSetup.rate = rate;
    doc.m_ChannelSetup.stopTime = doc.SpanToMinutes(static_cast<double>(samples.size()));
    doc.m_ChannelSetup.timeMax = static_cast<std::int32_t>(
        std::min<std::size_t>(samples.size(), doc.m_ChannelSetup.timeMax));
    return {};
}

void Import::ReadTexts(CTzLabDoc& doc) {
    doc.m_SampleName = GlobalText(m_File, "sample_name").value_or("");
    doc.m_Operator = GlobalText(m_File, "operator_name").value_or("");
    doc.m_Laboratory = GlobalText(m_File, "dataset_owner").value_or("");
    doc.m_Notes = GlobalText(m_File, "sample_id_comments").value_or("");
    if (auto text = GlobalText(m_File, andi::kInjectVolumeText))
        doc.m_InjectVolume = *text;
    else if (auto volume = m_File.Number(NC_GLOBAL, "sample_injection_volume"))
        doc.m_InjectVolume = Format("%g", *volume);
    else
        doc.m_InjectVolume = GlobalText(m_File, "sample_injection_volume").value_or("");

    std::optional<std::int32_t> created;
    for (const char* stamp : {"injection_date_time_stamp", "dataset_date_time_stamp"})
        if (!created)
            if (auto text = GlobalText(m_File, stamp))
                created = ParseAndiTimeStamp(*text);
    if (created)
        doc.m_CreatedAt = *created;
    else
        m_Notes.push_back(Tr(texts::kNoteNoInjectionTime));
}

Result<CTzLabDoc> Import::Run(Prompter& prompter) {
    const std::optional<std::string> unit = GlobalText(m_File, "retention_unit", "retention_units");
    if (!unit)
        return Fail(texts::kAndiMissing, "retention_unit");
    const std::optional<double> secondsPerUnit = SecondsPerUnit(*unit);
    if (!secondsPerUnit)
        return Fail(texts::kAndiRetentionUnit, unit->c_str());
    m_Frame.secondsPerUnit = *secondsPerUnit;

    CTzLabDoc doc;
    if (Status read = ReadSignal(doc); !read.ok())
        return read;
    ReadTexts(doc);
    if (m_Options.keepPeaks) {
        if (Status read = ReadAndiPeaks(m_File, m_Frame, doc, m_Notes); !read.ok())
            return read;
    } else {
        IntegrateAndQuantify(doc, prompter);
    }
    for (const std::string& line : m_Notes)
        doc.m_Notes += (doc.m_Notes.empty() ? "" : "\n") + line;
    return doc;
}

}  // namespace

Result<CTzLabDoc> ImportAndiBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                  const AndiImportOptions& options, Prompter& prompter) {
    if (auto checked = CheckClassicNetCdf(bytes, name); !checked.ok())
        return checked.status();
    try {
        auto file = NetCdfFile::Open(bytes, name);
        if (!file.ok())
            return file.status();
        return Import(file.value(), options).Run(prompter);
    } catch (const std::bad_alloc&) {
        return Result<CTzLabDoc>::Failure(Format(Tr(texts::kAndiNoMemory), name.c_str()));
    }
}

Result<CTzLabDoc> ImportAndiFile(const std::string& path, const AndiImportOptions& options,
                                 Prompter& prompter) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return file.status();
    std::vector<std::uint8_t> bytes;
    try {
        bytes = file->Head(file->Reader().Remaining());
    } catch (const std::bad_alloc&) {
        return Result<CTzLabDoc>::Failure(Format(Tr(texts::kAndiNoMemory), path.c_str()));
    }
    return ImportAndiBytes(bytes, path, options, prompter);
}

}  // namespace lx
