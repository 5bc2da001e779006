#include "interchange/tables/SummaryTable.h"

#include <array>
#include <span>

#include "core/Format.h"
#include "interchange/tables/ColumnStatistics.h"
#include "interchange/tables/TablesTexts.h"
#include "quant/views/ProjectTreeRows.h"

namespace lx {
namespace {

// The run columns before the per-peak ones.
constexpr std::size_t kRunColumns = 5;

struct Quantity {
    const Text& heading;
    double PeakRecord::*field;
};
const std::array<Quantity, 5> kQuantities{{
    {texts::kSummaryTime, &PeakRecord::m_ApexTime},
    {texts::kSummaryArea, &PeakRecord::m_Area},
    {texts::kSummaryHeight, &PeakRecord::m_Height},
    {texts::kSummaryAreaPercent, &PeakRecord::m_AreaPercent},
    {texts::kSummaryContent, &PeakRecord::m_Content},
}};

// A group of five columns: a component or a peak number, and how a run's peak is found.
struct PeakColumns {
    std::string name;
    std::int32_t componentId = -1;  // by component; else by peak number
    std::size_t peakIndex = 0;
};

std::vector<PeakColumns> ColumnsOf(const std::vector<SummaryRun>& runs, const CPrjDoc* project) {
    std::vector<PeakColumns> columns;
    if (project) {
        for (const CComponentItem& c : project->m_Components)
            columns.push_back({c.m_Name, c.m_Id, 0});
        return columns;
    }
    std::size_t peaks = 0;
    for (const SummaryRun& run : runs)
        peaks = std::max(peaks, run.m_Peaks.size());
    for (std::size_t i = 0; i < peaks; ++i)
        columns.push_back({Format(Tr(texts::kSummaryPeak), static_cast<int>(i + 1)), -1, i});
    return columns;
}

// The run's peak for the group, or nullptr; notes a component several peaks carry.
const PeakRecord* PeakFor(const SummaryRun& run, const PeakColumns& group,
                          std::vector<std::string>& notices) {
    if (group.componentId < 0)
        return group.peakIndex < run.m_Peaks.size() ? &run.m_Peaks[group.peakIndex] : nullptr;
    const PeakRecord* first = nullptr;
    std::string numbers;
    for (const PeakRecord& p : run.m_Peaks) {
        if (p.m_Component != group.componentId)
            continue;
        first = first ? first : &p;
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(p.m_Number);
    }
    if (first && numbers != std::to_string(first->m_Number))
        notices.push_back(Format(Tr(texts::kSummarySameComponent), run.m_File.c_str(),
                                 numbers.c_str(), group.name.c_str(), first->m_Number));
    return first;
}

std::vector<SummaryCell> RunRow(const SummaryRun& run, const std::vector<PeakColumns>& groups,
                                std::vector<std::string>& notices) {
    std::vector<SummaryCell> row;
    for (const std::string* text : {&run.m_File, &run.m_SampleName, &run.m_Operator})
        row.emplace_back(*text);
    row.emplace_back(AcquisitionTime{run.m_CreatedAt});
    row.emplace_back(run.m_Method);
    for (const PeakColumns& group : groups) {
        const PeakRecord* peak = PeakFor(run, group, notices);
        for (const Quantity& q : kQuantities) {
            if (peak)
                row.emplace_back(peak->*q.field);
            else
                row.emplace_back();
        }
    }
    return row;
}

void AppendStatistics(SummaryTable& table, std::size_t runs) {
    const std::size_t width = table.m_Headers.size();
    std::array<std::vector<SummaryCell>, 4> rows;
    const std::array<const Text*, 4> labels{&texts::kSummaryCount, &texts::kSummaryMean,
                                            &texts::kSummaryDeviation, &texts::kSummaryRsd};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r].resize(width);
        rows[r][0] = std::string(Tr(*labels[r]));
    }
    for (std::size_t c = kRunColumns; c < width; ++c) {
        std::vector<double> values;
        for (std::size_t r = 0; r < runs; ++r)
            if (const double* v = std::get_if<double>(&table.m_Rows[r][c]))
                values.push_back(*v);
        const ColumnStatistics s = DescribeColumn(values);
        rows[0][c] = static_cast<double>(s.m_Count);
        const std::array<const std::optional<double>*, 3> described{
            &s.m_Mean, &s.m_StandardDeviation, &s.m_RelativeDeviation};
        for (std::size_t k = 0; k < described.size(); ++k)
            if (*described[k])
                rows[k + 1][c] = **described[k];
    }
    for (auto& row : rows)
        table.m_Rows.push_back(std::move(row));
}

}  // namespace

SummaryRun SummaryRunOf(const CTzLabDoc& doc, const std::string& file, const CPrjDoc* project) {
    return {file,
            doc.m_SampleName,
            doc.m_Operator,
            doc.m_CreatedAt,
            project ? project->m_MethodName + MethodSuffix(project->m_Method) : std::string(),
            doc.m_Peaks};
}

SummaryTable BuildSummaryTable(const std::vector<SummaryRun>& runs, const CPrjDoc* project) {
    SummaryTable table;
    table.m_Headers = {Tr(texts::kSummaryFile), Tr(texts::kSummarySample),
                       Tr(texts::kSummaryOperator), Tr(texts::kSummaryAcquired),
                       Tr(texts::kSummaryMethod)};
    const std::vector<PeakColumns> groups = ColumnsOf(runs, project);
    for (const PeakColumns& group : groups)
        for (const Quantity& q : kQuantities)
            table.m_Headers.push_back(Format(Tr(q.heading), group.name.c_str()));
    for (const SummaryRun& run : runs)
        table.m_Rows.push_back(RunRow(run, groups, table.m_Notices));
    AppendStatistics(table, runs.size());
    return table;
}

std::tm LocalTime(AcquisitionTime time) {
    const std::time_t t = time.m_Seconds;
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

std::string AcquisitionTimeText(AcquisitionTime time) {
    const std::tm local = LocalTime(time);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string SummaryNumberText(double value) {
    return Format("%.15g", value);
}

}  // namespace lx
