#include "interchange/andi/AndiPeaks.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "core/Format.h"
#include "core/Numeric.h"
#include "interchange/andi/AndiNames.h"
#include "interchange/andi/AndiTexts.h"
#include "peaks/PeakFigures.h"

namespace lx {
namespace {

using Column = std::optional<std::vector<double>>;

// One peak as read, with what the record has no field for.
struct ReadPeak {
    PeakRecord record;
    std::optional<double> widthSeconds;
    bool manual = false;
};

// A time read back from a float: within its precision of `exact`, it is `exact`.
bool Near(double t, double exact) {
    return std::fabs(t - exact) <= 1e-6 * std::max(1.0, std::fabs(exact));
}

class TableReader {
public:
    TableReader(const NetCdfFile& file, std::size_t count) : m_File(file), m_Count(count) {}

    // A numeric column on peak_number; nothing when the file lacks it.
    Status Read(const char* name, Column& column) const {
        const std::optional<int> var = m_File.Var(name);
        if (!var)
            return {};
        auto values = m_File.Series(*var);
        if (!values.ok())
            return values.status();
        if (values->size() != m_Count)
            return Status::Failure(Format(Tr(texts::kAndiWrongShape), m_File.Name().c_str(), name,
                                          Tr(texts::kAndiShapePerPeak)));
        column = std::move(values.value());
        return {};
    }
    Status Require(const char* name, Column& column) const {
        if (Status read = Read(name, column); !read.ok())
            return read;
        if (!column)
            return Status::Failure(
                Format(Tr(texts::kAndiPeaksIncomplete), m_File.Name().c_str(), name));
        return {};
    }

private:
    const NetCdfFile& m_File;
    std::size_t m_Count;
};

struct Columns {
    Column retention, start, end, area, height;                          // required
    Column baseStart, baseStop, baseStartValue, baseStopValue, percent;  // optional
    Column width, amount, manual;
    std::vector<std::string> names;
};

Status ReadColumns(const NetCdfFile& file, std::size_t count, Columns& c) {
    const TableReader t(file, count);
    for (auto [name, column] : {std::pair{"peak_retention_time", &c.retention},
                                {"peak_start_time", &c.start},
                                {"peak_end_time", &c.end},
                                {"peak_area", &c.area},
                                {"peak_height", &c.height}})
        if (Status read = t.Require(name, *column); !read.ok())
            return read;
    for (auto [name, column] : {std::pair{"baseline_start_time", &c.baseStart},
                                {"baseline_stop_time", &c.baseStop},
                                {"baseline_start_value", &c.baseStartValue},
                                {"baseline_stop_value", &c.baseStopValue},
                                {"peak_area_percent", &c.percent},
                                {"peak_width", &c.width},
                                {"peak_amount", &c.amount},
                                {"manually_reintegrated_peaks", &c.manual}})
        if (Status read = t.Read(name, *column); !read.ok())
            return read;
    if (const std::optional<int> var = file.Var("peak_name")) {
        auto names = file.Names(*var);
        if (!names.ok())
            return names.status();
        if (names->size() != count)
            return Status::Failure(Format(Tr(texts::kAndiWrongShape), file.Name().c_str(),
                                          "peak_name", Tr(texts::kAndiShapePerPeak)));
        c.names = std::move(names.value());
    }
    return {};
}

// Peaks that share a valley: flags on both sides, and the group's size on its first peak.
void MarkGroups(std::vector<PeakRecord>& peaks) {
    std::size_t first = 0;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        peaks[k].m_GroupSize = 0;
        if (k > 0 && peaks[k].m_Start == peaks[k - 1].m_End) {
            peaks[k - 1].m_Flags |= kEndsInValley;
            peaks[k].m_Flags |= kStartsInValley;
        } else {
            first = k;
        }
        ++peaks[first].m_GroupSize;
    }
}

}  // namespace

Status ReadAndiPeaks(const NetCdfFile& file, const AndiFrame& frame, CTzLabDoc& doc,
                     std::vector<std::string>& notes) {
    const std::optional<int> retentionVar = file.Var("peak_retention_time");
    if (!retentionVar)
        return {};
    auto retention = file.Series(*retentionVar);
    if (!retention.ok())
        return retention.status();
    const std::size_t count = retention->size();
    Columns c;
    if (Status read = ReadColumns(file, count, c); !read.ok())
        return read;

    const double rate = doc.m_ChannelSetup.rate;
    const double last = static_cast<double>(doc.m_Samples.size()) - 1;
    auto seconds = [&](double fileTime) { return fileTime * frame.secondsPerUnit - frame.delay; };
    auto index = [&](double fileTime, std::int32_t& at) {
        const double i = std::round(seconds(fileTime) * rate);
        if (!(i >= 0 && i <= last))
            return false;
        at = static_cast<std::int32_t>(i);
        return true;
    };
    auto microvolts = [&](double v) { return TruncToInt(std::round(v * frame.scale)); };
    auto value = [&](const Column& column, std::size_t k, double otherwise) {
        return column ? (*column)[k] : otherwise;
    };

    std::vector<ReadPeak> read(count);
    for (std::size_t k = 0; k < count; ++k) {
        PeakRecord& p = read[k].record;
        if (!index((*c.retention)[k], p.m_Apex) || !index((*c.start)[k], p.m_Start) ||
            !index((*c.end)[k], p.m_End) ||
            !index(value(c.baseStart, k, (*c.start)[k]), p.m_BaseStart) ||
            !index(value(c.baseStop, k, (*c.end)[k]), p.m_BaseEnd))
            return Status::Failure(Format(Tr(texts::kAndiPeakOutside), file.Name().c_str(), k + 1));
        // A time that is a sample's own, as every time written here is, keeps its exact value.
        const double apex = seconds((*c.retention)[k]);
        p.m_ApexTime = Near(apex, p.m_Apex / rate) ? doc.SpanToMinutes(p.m_Apex) : apex / 60.0;
        p.m_StartValue = doc.m_Samples.At(p.m_Start);
        p.m_ApexValue = doc.m_Samples.At(p.m_Apex);
        p.m_EndValue = doc.m_Samples.At(p.m_End);
        p.m_BaseStartValue =
            c.baseStartValue ? microvolts((*c.baseStartValue)[k]) : doc.m_Samples.At(p.m_BaseStart);
        p.m_BaseEndValue =
            c.baseStopValue ? microvolts((*c.baseStopValue)[k]) : doc.m_Samples.At(p.m_BaseEnd);
        // The standard's area is in detector unit x retention unit; ours in 0.1 uV x sample.
        p.m_Area = (*c.area)[k] * frame.scale * frame.secondsPerUnit * rate * 10.0;
        p.m_Height = (*c.height)[k] * frame.scale;
        if (c.width)
            read[k].widthSeconds = (*c.width)[k] * frame.secondsPerUnit;
        if (k < c.names.size())
            p.m_ComponentName = c.names[k];
        read[k].manual = c.manual && (*c.manual)[k] != 0;
    }
    const double total = std::accumulate(read.begin(), read.end(), 0.0,
                                         [](double s, auto& r) { return s + r.record.m_Area; });
    for (std::size_t k = 0; k < count; ++k) {
        PeakRecord& p = read[k].record;
        p.m_AreaPercent = value(c.percent, k, total != 0 ? p.m_Area / total * 100.0 : 0.0);
        p.m_Content = value(c.amount, k, p.m_AreaPercent * 0.01);
    }

    std::stable_sort(read.begin(), read.end(), [](const ReadPeak& a, const ReadPeak& b) {
        return a.record.m_ApexTime < b.record.m_ApexTime;
    });
    doc.m_Peaks.clear();
    for (const ReadPeak& r : read)
        doc.m_Peaks.push_back(r.record);
    doc.RenumberPeaks();
    MarkGroups(doc.m_Peaks);
    ComputeFigures(doc);

    std::string manual;
    for (std::size_t k = 0; k < count; ++k) {
        if (const std::optional<double> w = read[k].widthSeconds) {
            const double samples = std::round(*w * rate);
            doc.m_Peaks[k].m_HalfWidthTime =
                Near(*w, samples / rate) ? doc.SpanToMinutes(samples) : *w / 60.0;
        }
        if (read[k].manual)
            manual += (manual.empty() ? "" : ", ") + std::to_string(k + 1);
    }
    if (!manual.empty())
        notes.push_back(Format(Tr(texts::kNoteManual), manual.c_str()));
    std::optional<std::string> unit = file.Text(NC_GLOBAL, "peak_amount_unit");
    if (!unit)
        unit = file.Text(NC_GLOBAL, "peak_amount_units");  // as some writers spell it
    if (c.amount && unit && !unit->empty() && *unit != andi::kAmountAreaFraction &&
        *unit != andi::kAmountAsCalibrated)
        notes.push_back(Format(Tr(texts::kNoteAmountUnit), unit->c_str()));
    return {};
}

}  // namespace lx
