#include "interchange/andi/AndiExport.h"

#include <netcdf.h>
#include <netcdf_mem.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string_view>

#include "core/FileIo.h"
#include "core/Format.h"
#include "interchange/andi/AndiNames.h"
#include "interchange/andi/AndiTexts.h"
#include "interchange/andi/AndiTime.h"
#include "interchange/andi/ClassicHeader.h"
#include "peaks/Integration.h"

namespace lx {
namespace {

// A double as the float the file holds; beyond the float range it is an infinity rather than
// the undefined conversion.
float ToFloat(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax)
        return std::numeric_limits<float>::infinity();
    if (v < -kMax)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

// Defines and fills a netCDF file; the first failing call's status is kept and the rest are
// skipped, so the file is either whole or reported.
class Writer {
public:
    explicit Writer(int id) : m_Id(id) {}
    int Status() const { return m_Status; }
    void Check(int status) {
        if (m_Status == NC_NOERR)
            m_Status = status;
    }
    int Dim(const char* name, std::size_t length) {
        int dim = -1;
        if (m_Status == NC_NOERR)
            Check(nc_def_dim(m_Id, name, length, &dim));
        return dim;
    }
    int Var(const char* name, nc_type type, std::initializer_list<int> dims) {
        int var = -1;
        const std::vector<int> ids(dims);
        if (m_Status == NC_NOERR)
            Check(nc_def_var(m_Id, name, type, static_cast<int>(ids.size()), ids.data(), &var));
        return var;
    }
    void Text(int var, const char* name, std::string_view text) {
        if (m_Status == NC_NOERR)
            Check(nc_put_att_text(m_Id, var, name, text.size(), text.data()));
    }
    void Floats(int var, const std::vector<float>& values) {
        if (m_Status == NC_NOERR && !values.empty()) {
            const std::size_t start = 0, count = values.size();
            Check(nc_put_vara_float(m_Id, var, &start, &count, values.data()));
        }
    }
    void Float(int var, double value) {
        const float f = ToFloat(value);
        if (m_Status == NC_NOERR)
            Check(nc_put_var_float(m_Id, var, &f));
    }

private:
    int m_Id;
    int m_Status = NC_NOERR;
};

// The peak table's variables on peak_number, in the template's order.
struct PeakVars {
    std::size_t nameWidth;
    int retention, start, end, width, area, areaPercent, height, baseStartTime, baseStartValue,
        baseStopTime, baseStopValue, name, amount, manual;
};

PeakVars DefinePeaks(Writer& w, const CTzLabDoc& doc) {
    std::size_t longest = 0;
    for (const PeakRecord& p : doc.m_Peaks)
        longest = std::max(longest, p.m_ComponentName.size());
    // The template's string widths where a name fits one, so readers that expect them find
    // them; a longer name gets a width of its own rather than being cut.
    std::size_t width = longest;
    for (std::size_t standard : {32, 64, 128, 255})
        if (longest <= standard) {
            width = standard;
            break;
        }
    const int peaks = w.Dim("peak_number", doc.m_Peaks.size());
    const int chars = w.Dim(Format("_%zu_byte_string", width).c_str(), width);
    PeakVars v{};
    v.nameWidth = width;
    v.retention = w.Var("peak_retention_time", NC_FLOAT, {peaks});
    v.start = w.Var("peak_start_time", NC_FLOAT, {peaks});
    v.end = w.Var("peak_end_time", NC_FLOAT, {peaks});
    v.width = w.Var("peak_width", NC_FLOAT, {peaks});
    v.area = w.Var("peak_area", NC_FLOAT, {peaks});
    v.areaPercent = w.Var("peak_area_percent", NC_FLOAT, {peaks});
    v.height = w.Var("peak_height", NC_FLOAT, {peaks});
    v.baseStartTime = w.Var("baseline_start_time", NC_FLOAT, {peaks});
    v.baseStartValue = w.Var("baseline_start_value", NC_FLOAT, {peaks});
    v.baseStopTime = w.Var("baseline_stop_time", NC_FLOAT, {peaks});
    v.baseStopValue = w.Var("baseline_stop_value", NC_FLOAT, {peaks});
    v.name = w.Var("peak_name", NC_CHAR, {peaks, chars});
    v.amount = w.Var("peak_amount", NC_FLOAT, {peaks});
    // A short, as the template has it and the readers that check types demand.
    v.manual = w.Var("manually_reintegrated_peaks", NC_SHORT, {peaks});
    return v;
}

// Without a project the contents are the area fractions; with one they are in the project's
// concentration unit, which the workstation does not name.
const char* AmountUnit(const CTzLabDoc& doc) {
    const bool fractions = std::all_of(doc.m_Peaks.begin(), doc.m_Peaks.end(), [](auto& p) {
        return p.m_Content == p.m_AreaPercent * 0.01;
    });
    return fractions ? andi::kAmountAreaFraction : andi::kAmountAsCalibrated;
}

void FillPeaks(Writer& w, int id, const PeakVars& v, const CTzLabDoc& doc) {
    const double rate = doc.m_ChannelSetup.rate;
    auto column = [&](int var, auto value) {
        std::vector<float> values;
        for (const PeakRecord& p : doc.m_Peaks)
            values.push_back(ToFloat(value(p)));
        w.Floats(var, values);
    };
    // Times in seconds (retention_unit), values in uV (detector_unit).
    column(v.retention, [](auto& p) { return p.m_ApexTime * 60.0; });
    column(v.start, [&](auto& p) { return p.m_Start / rate; });
    column(v.end, [&](auto& p) { return p.m_End / rate; });
    column(v.width, [](auto& p) { return p.m_HalfWidthTime * 60.0; });
    // The standard's area is in detector unit x retention unit (uV x s); ours is in
    // 0.1 uV x sample.
    column(v.area, [&](auto& p) { return p.m_Area * 0.1 / rate; });
    column(v.areaPercent, [](auto& p) { return p.m_AreaPercent; });
    column(v.height, [](auto& p) { return p.m_Height; });
    column(v.baseStartTime, [&](auto& p) { return p.m_BaseStart / rate; });
    column(v.baseStartValue, [](auto& p) { return p.m_BaseStartValue; });
    column(v.baseStopTime, [&](auto& p) { return p.m_BaseEnd / rate; });
    column(v.baseStopValue, [](auto& p) { return p.m_BaseEndValue; });
    column(v.amount, [](auto& p) { return p.m_Content; });

    const std::size_t width = v.nameWidth;
    std::string names(doc.m_Peaks.size() * width, '\0');
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k)
        names.replace(k * width, doc.m_Peaks[k].m_ComponentName.size(),
                      doc.m_Peaks[k].m_ComponentName);
    if (w.Status() == NC_NOERR && !names.empty())
        w.Check(nc_put_var_text(id, v.name, names.data()));

    const std::vector<bool> manual = ManuallyReintegrated(doc);
    std::vector<short> flags(manual.begin(), manual.end());
    if (w.Status() == NC_NOERR)
        w.Check(nc_put_var_short(id, v.manual, flags.data()));
}

std::string LibraryRevision() {
    const std::string_view version = nc_inq_libvers();
    return std::string(version.substr(0, version.find(' ')));
}

// Everything but the data, then the data: the classic format is defined before it is filled.
int WriteDataset(int id, const CTzLabDoc& doc) {
    Writer w(id);
    const std::size_t n = doc.m_Samples.size();
    // A length of 0 makes the dimension the record dimension, which holds no records: the
    // classic format's only way to say "no points".
    const int points = w.Dim("point_number", n);
    // Scalar floats, as the template declares them: readers that check types (and those that
    // only take float arrays) refuse a double here.
    const int maxValue = w.Var("detector_maximum_value", NC_FLOAT, {});
    const int minValue = w.Var("detector_minimum_value", NC_FLOAT, {});
    const int runLength = w.Var("actual_run_time_length", NC_FLOAT, {});
    const int interval = w.Var("actual_sampling_interval", NC_FLOAT, {});
    const int delay = w.Var("actual_delay_time", NC_FLOAT, {});
    const int ordinates = w.Var("ordinate_values", NC_FLOAT, {points});
    w.Text(ordinates, "uniform_sampling_flag", "Y");
    const bool peaks = !doc.m_Peaks.empty();
    // No peaks, no peak_number: a second zero-length dimension would be a second record
    // dimension, which the format does not allow; readers take a missing table as no peaks.
    const PeakVars peakVars = peaks ? DefinePeaks(w, doc) : PeakVars{};

    // The categories this file fills: raw data (C1) and peak results (C2), as every reader
    // requires the attribute, with the template and library revisions.
    w.Text(NC_GLOBAL, "dataset_completeness", "C1+C2");
    w.Text(NC_GLOBAL, "aia_template_revision", "1.0");
    w.Text(NC_GLOBAL, "netcdf_revision", LibraryRevision());
    w.Text(NC_GLOBAL, "dataset_origin", andi::kOrigin);
    w.Text(NC_GLOBAL, "dataset_owner", doc.m_Laboratory);
    w.Text(NC_GLOBAL, "dataset_date_time_stamp", AndiTimeStamp(std::time(nullptr)));
    w.Text(NC_GLOBAL, "injection_date_time_stamp", AndiTimeStamp(doc.m_CreatedAt));
    w.Text(NC_GLOBAL, "operator_name", doc.m_Operator);
    w.Text(NC_GLOBAL, "sample_name", doc.m_SampleName);
    w.Text(NC_GLOBAL, "sample_id_comments", doc.m_Notes);
    w.Text(NC_GLOBAL, andi::kInjectVolumeText, doc.m_InjectVolume);
    // Spelled as the readers compare them: "uV" and lower-case "seconds".
    w.Text(NC_GLOBAL, "detector_unit", "uV");
    w.Text(NC_GLOBAL, "retention_unit", "seconds");
    if (peaks)
        w.Text(NC_GLOBAL, "peak_amount_unit", AmountUnit(doc));
    w.Check(nc_enddef(id));

    const float step = ToFloat(1.0 / doc.m_ChannelSetup.rate);
    w.Float(maxValue, 2500000.0);
    w.Float(minValue, -2500000.0);
    w.Float(interval, step);
    // The sample at time 0 is the injection.
    w.Float(delay, 0.0);
    // Readers lay the points from the delay to the run length (seq(delay, length, n)), so the
    // run length is the time of the last point, delay + (N - 1) x interval, with the interval
    // as stored; N x interval would stretch every time.
    w.Float(runLength, n > 0 ? static_cast<double>(n - 1) * step : 0.0);
    w.Floats(ordinates, std::vector<float>(doc.m_Samples.begin(), doc.m_Samples.end()));
    if (peaks)
        FillPeaks(w, id, peakVars, doc);
    return w.Status();
}

}  // namespace

std::vector<bool> ManuallyReintegrated(const CTzLabDoc& doc) {
    std::vector<bool> manual(doc.m_Peaks.size(), false);
    if (doc.m_UseManualEvents == 0 || doc.m_ManualEvents.empty())
        return manual;
    CTzLabDoc automatic = doc;
    automatic.m_UseManualEvents = 0;
    automatic.m_Project = nullptr;
    Reintegrate(automatic);
    auto same = [](const PeakRecord& a, const PeakRecord& b) {
        return a.m_Start == b.m_Start && a.m_Apex == b.m_Apex && a.m_End == b.m_End &&
               a.m_BaseStart == b.m_BaseStart && a.m_BaseEnd == b.m_BaseEnd &&
               a.m_BaseStartValue == b.m_BaseStartValue && a.m_BaseEndValue == b.m_BaseEndValue;
    };
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k)
        manual[k] = std::none_of(automatic.m_Peaks.begin(), automatic.m_Peaks.end(),
                                 [&](const PeakRecord& p) { return same(p, doc.m_Peaks[k]); });
    return manual;
}

Result<std::vector<std::uint8_t>> AndiFileBytes(const CTzLabDoc& doc, const std::string& name) {
    int id = -1;
    // In memory, so the file reaches the disk the way every file of the workstation does.
    int status = nc_create_mem(name.c_str(), NC_CLOBBER, doc.m_Samples.size() * 4 + 65536, &id);
    if (status == NC_NOERR)
        status = WriteDataset(id, doc);
    NC_memio memio{};
    const int closed = id >= 0 ? nc_close_memio(id, &memio) : status;
    std::vector<std::uint8_t> bytes;
    if (memio.memory != nullptr) {
        const auto* begin = static_cast<const std::uint8_t*>(memio.memory);
        bytes.assign(begin, begin + memio.size);
        std::free(memio.memory);
    }
    if (status == NC_NOERR)
        status = closed;
    if (status != NC_NOERR)
        return Result<std::vector<std::uint8_t>>::Failure(
            Format(Tr(texts::kAndiLibraryFailed), name.c_str(), nc_strerror(status)));
    // The library hands back its whole buffer, which runs on past the file in zeros: the file
    // ends where its layout says.
    auto length = CheckClassicNetCdf(bytes, name);
    if (!length.ok())
        return length.status();
    bytes.resize(length.value());
    return bytes;
}

Status ExportAndiFile(const CTzLabDoc& doc, const std::string& path) {
    auto bytes = AndiFileBytes(doc, path);
    if (!bytes.ok())
        return bytes.status();
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) {
        ar.WriteBytes(
            std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    });
}

}  // namespace lx
