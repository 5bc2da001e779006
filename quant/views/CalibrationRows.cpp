#include "quant/views/CalibrationRows.h"

#include <algorithm>
#include <ctime>

#include "core/Format.h"
#include "quant/QuantTexts.h"

namespace lx {
namespace {

std::string StandardFileOf(const CPrjDoc& project, int level, int repeat) {
    for (const CPrjFileRecord& f : project.m_Standards)
        if (f.m_Level == level && f.m_Repeat == repeat)
            return f.m_FileName;
    return "";
}

// The component's reference standard under the internal-standard method, or none.
const CComponentItem* ReferenceOf(const CPrjDoc& project, const CComponentItem& c) {
    if (project.m_Method != kInternalStandard || c.m_IsInternalStandard)
        return nullptr;
    return project.ComponentAt(project.FindReference(c));
}

}  // namespace

std::string RecordDateText(std::int32_t createdAt) {
    const std::time_t t = createdAt;
    std::tm local{};
    char text[64] = "";
    if (localtime_r(&t, &local))
        std::strftime(text, sizeof text, texts::kCreatedFormat, &local);
    return text;
}

CalibrationSettingsTable BuildCalibrationSettings(const CPrjDoc& project) {
    CalibrationSettingsTable table;
    const bool fingerprint = project.m_Method == kFingerprint;
    table.m_Headers = {Tr(texts::kColStandardFile), Tr(texts::kColCreated),
                       Tr(fingerprint ? texts::kColReferenceTime : texts::kColRepeat),
                       Tr(fingerprint ? texts::kColReferenceWindow : texts::kColLevel)};
    auto addRows = [&](RecordList list) {
        const auto& records = RecordsOf(project, list);
        for (std::size_t i = 0; i < records.size(); ++i) {
            const CPrjFileRecord& r = records[i];
            std::vector<std::string> cells{r.m_FileName, RecordDateText(r.m_CreatedAt)};
            if (fingerprint) {
                cells.push_back(Format("%g", r.m_RefRetentionTime));
                cells.push_back(Format("%g", r.m_RefWindow));
            } else {
                cells.push_back(Format("%d", r.m_Repeat));
                cells.push_back(Format("%d", r.m_Level));
            }
            table.m_Rows.push_back({list, static_cast<int>(i), std::move(cells)});
        }
    };
    addRows(RecordList::kStandards);
    if (fingerprint)
        addRows(RecordList::kSecondStandards);
    return table;
}

std::vector<std::array<std::string, 3>> CalibrationInfoRows(const CPrjDoc& project) {
    std::vector<std::array<std::string, 3>> rows;
    const char* repeatLabel =
        Tr(project.m_Basis == kHeightBasis ? texts::kInfoRepeatHeight : texts::kInfoRepeatArea);
    for (const CComponentItem& c : project.m_Components) {
        rows.push_back({c.m_Name, "", ""});
        rows.push_back({Tr(texts::kInfoRetentionTime), Format("%g", c.m_RetentionTime), ""});
        for (std::size_t k = 0; k < c.m_Points.size(); ++k) {
            const CCalPoint& level = c.m_Points[k];
            rows.push_back({Format(Tr(texts::kInfoLevel), static_cast<int>(k + 1)), "", ""});
            rows.push_back(
                {Tr(texts::kInfoConcentration), Format("%g", level.m_Concentration), ""});
            double sum = 0.0;
            for (std::size_t i = 0; i < level.m_Repeats.size(); ++i) {
                const double v = project.Response(level.m_Repeats[i]);
                sum += v;
                rows.push_back(
                    {Format(repeatLabel, static_cast<int>(i + 1)), Format("%.1f", v),
                     StandardFileOf(project, static_cast<int>(k + 1), static_cast<int>(i + 1))});
            }
            rows.push_back({Tr(texts::kInfoMean),
                            Format("%.1f", sum / static_cast<double>(level.m_Repeats.size())), ""});
        }
        rows.push_back({"", "", ""});
    }
    return rows;
}

CurvePlotRange StandardCurveRange(const CPrjDoc& project, int row) {
    CurvePlotRange range;
    const CComponentItem* component = project.ComponentAt(row);
    if (!component)
        return range;
    const CComponentItem& c = *component;
    const CComponentItem* reference = ReferenceOf(project, c);
    for (std::size_t k = 0; k < c.m_Points.size(); ++k) {
        double x = c.m_Points[k].m_Concentration;
        if (reference && k < reference->m_Points.size())
            x /= reference->m_Points[k].m_Concentration;
        range.xMax = std::max(range.xMax, x);
        range.yMax = std::max(range.yMax, c.m_Points[k].m_MeanResponse);
    }
    if (project.m_Method == kInternalStandard && c.m_IsInternalStandard) {
        range.xMax = std::max(range.xMax, 1.0);
        range.yMax = std::max(range.yMax, 1.0);
    }
    range.xMax *= 1.2;
    range.yMax *= 1.2;
    return range;
}

std::vector<CurvePoint> StandardCurveMarkers(const CPrjDoc& project, int row) {
    std::vector<CurvePoint> markers;
    const CComponentItem* component = project.ComponentAt(row);
    if (!component)
        return markers;
    const CComponentItem& c = *component;
    const CComponentItem* reference = ReferenceOf(project, c);
    if (project.m_Method == kInternalStandard && !reference)
        return markers;
    for (std::size_t k = 0; k < c.m_Points.size(); ++k) {
        const CCalPoint& level = c.m_Points[k];
        for (std::size_t i = 0; i < level.m_Repeats.size(); ++i) {
            CurvePoint m{level.m_Concentration, project.Response(level.m_Repeats[i])};
            if (reference && k < reference->m_Points.size()) {
                const CCalPoint& r = reference->m_Points[k];
                m.x /= r.m_Concentration;
                m.y /= i < r.m_Repeats.size() ? project.Response(r.m_Repeats[i]) : 0.0;
            }
            markers.push_back(m);
        }
    }
    return markers;
}

std::array<std::string, 4> StandardCurveReport(const CPrjDoc& project, int row) {
    const CComponentItem* c = project.ComponentAt(row);
    if (!c)
        return {Tr(texts::kCurveReportHeading), "", "", ""};
    return {Tr(texts::kCurveReportHeading), Tr(texts::kCurveReportComponent) + c->m_Name,
            Format(Tr(texts::kCurveReportEquation), c->m_A, c->m_B),
            Format(Tr(texts::kCurveReportCorrelation), c->m_R)};
}

std::string StandardCurveYLabel(const CPrjDoc& project) {
    return Tr(project.m_Basis == kHeightBasis ? texts::kCurveAxisHeight : texts::kCurveAxisArea);
}

}  // namespace lx
