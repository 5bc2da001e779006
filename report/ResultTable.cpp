#include "report/ResultTable.h"

#include <array>

#include "core/Format.h"
#include "quant/CPrjDoc.h"

namespace lx {
namespace {

struct ColumnTexts {
    ResultColumn column;
    bool ColumnSwitches::*on;
    const char* screen;
    const char* printChinese;
    const char* printEnglish;
    const char* text;  // the clipboard form's header
};

// In the order the table shows them.
constexpr std::array<ColumnTexts, 11> kColumns{{
    {ResultColumn::Number, &ColumnSwitches::number, " 峰 号 ", "  峰 号 ", "  Peak No ", " 峰 号 "},
    {ResultColumn::Name, &ColumnSwitches::name, " 组  份 ", " 组  份 ", " ID.Name ", " 组 份 "},
    {ResultColumn::Time, &ColumnSwitches::time, " 保留时间 ", " 保留时间 ", " PeakTime ",
     " 保留时间 "},
    {ResultColumn::Area, &ColumnSwitches::area, "  面   积  ", "  面   积  ", "  PeakArae  ",
     " 面  积 "},
    {ResultColumn::Height, &ColumnSwitches::height, " 高  度 ", " 高  度 ", " PeakHeight ",
     " 高  度 "},
    {ResultColumn::AreaHeight, &ColumnSwitches::areaHeight, " 面积/高度 ", " 面积/高度 ",
     " Area/Height ", " 面积/高度 "},
    {ResultColumn::Percent, &ColumnSwitches::percent, " 面积百分含量 ", " 面积百分含量 ",
     " PerConc ", " 面积百分含量 "},
    {ResultColumn::Resolution, &ColumnSwitches::resolution, " 分离度 ", " 分离度 ", " Resolution ",
     " 分离度 "},
    {ResultColumn::Tailing, &ColumnSwitches::tailing, "  拖尾因子  ", "  拖尾因子  ", "  Tailing  ",
     " 拖尾因子 "},
    {ResultColumn::Plates, &ColumnSwitches::plates, "  理论塔板  ", "  理论塔板  ", "  Plate  ",
     " 理论塔板 "},
    {ResultColumn::Content, &ColumnSwitches::content, "  含  量  ", "  含  量  ", "  Conc  ",
     " 含  量 "},
}};

bool Listed(const PeakRecord& peak, const TableOptions& o) {
    return o.viewAllPeaks || peak.m_Content > 0.0;  // NaN content is not positive either
}

std::vector<const ColumnTexts*> EnabledColumns(const TableOptions& o) {
    std::vector<const ColumnTexts*> enabled;
    for (const ColumnTexts& c : kColumns) {
        if (!(o.columns.*c.on))
            continue;
        if (c.column == ResultColumn::Content && !o.quantified)
            continue;
        enabled.push_back(&c);
    }
    return enabled;
}

double AreaPerHeight(const PeakRecord& p) {
    return p.m_Height == 0.0 || p.m_Area == 0.0 ? 0.0 : p.m_Area / p.m_Height;
}

std::string Cell(ResultColumn column, const PeakRecord& p) {
    switch (column) {
        case ResultColumn::Number:
            return Format("%d", p.m_Number);
        case ResultColumn::Name:
            return p.m_ComponentName;
        case ResultColumn::Time:
            return Format("% .3f", p.m_ApexTime);
        case ResultColumn::Area:
            return Format("% .1f", p.m_Area);
        case ResultColumn::Height:
            return Format("% .1f", p.m_Height);
        case ResultColumn::AreaHeight:
            return Format("% .3f", AreaPerHeight(p));
        case ResultColumn::Percent:
            return Format("% .4f", p.m_AreaPercent);
        case ResultColumn::Resolution:
            return Format("% .3f", p.m_Resolution);
        case ResultColumn::Tailing:
            return Format("% .3f", p.m_Tailing);
        case ResultColumn::Plates:
            return Format("% .1f", p.m_Plates);
        case ResultColumn::Content:
            return Format("% .4f", p.m_Content);
        case ResultColumn::Trailing:
            break;
    }
    return {};
}

// The clipboard form has formats of its own, with widths.
std::string TextCell(ResultColumn column, const PeakRecord& p) {
    switch (column) {
        case ResultColumn::Name:
            return p.m_ComponentName.empty() ? "     " : p.m_ComponentName;
        case ResultColumn::Time:
            return Format("% 6.3f", p.m_ApexTime);
        case ResultColumn::Area:
            return Format("% 8.1f", p.m_Area);
        case ResultColumn::Height:
            return Format("% 8.1f", p.m_Height);
        case ResultColumn::AreaHeight:
            return Format("% 4.3f", AreaPerHeight(p));
        case ResultColumn::Percent:
            return Format("% 8.4f", p.m_AreaPercent);
        case ResultColumn::Resolution:
            return Format("% 6.3f", p.m_Resolution);
        case ResultColumn::Tailing:
            return Format("% 6.3f", p.m_Tailing);
        case ResultColumn::Plates:
            return Format("% 6.1f", p.m_Plates);
        case ResultColumn::Content:
            return Format("% 8.4f", p.m_Content);
        default:
            return Cell(column, p);
    }
}

struct Totals {
    double area = 0.0, height = 0.0, percent = 0.0;
};

std::string TotalCell(ResultColumn column, const Totals& t, bool english) {
    switch (column) {
        case ResultColumn::Number:
            return english ? "Total:" : "合计:";
        case ResultColumn::Area:
            return Format("% .1f", t.area);
        case ResultColumn::Height:
            return Format("% .1f", t.height);
        case ResultColumn::Percent:
            return Format("% .4f", t.percent);
        default:
            return {};
    }
}

}  // namespace

ResultTable BuildResultTable(const std::vector<PeakRecord>& peaks, const TableOptions& o) {
    const bool print = o.form == TableForm::Print;
    const bool english = print && o.english;
    ResultTable table;
    for (const ColumnTexts* c : EnabledColumns(o)) {
        table.columns.push_back(c->column);
        table.headers.push_back(!print ? c->screen : english ? c->printEnglish : c->printChinese);
    }
    if (print) {
        table.columns.push_back(ResultColumn::Trailing);
        table.headers.emplace_back();
    }
    Totals totals;
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        const PeakRecord& p = peaks[k];
        if (!Listed(p, o))
            continue;
        ResultTable::Row row{static_cast<int>(k), {}};
        for (ResultColumn column : table.columns)
            row.cells.push_back(Cell(column, p));
        table.rows.push_back(std::move(row));
        totals.area += p.m_Area;
        totals.height += p.m_Height;
        totals.percent += p.m_AreaPercent;
    }
    if (!table.rows.empty()) {
        ResultTable::Row row;
        for (ResultColumn column : table.columns)
            row.cells.push_back(TotalCell(column, totals, english));
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string ResultTableText(const std::vector<PeakRecord>& peaks, const TableOptions& o) {
    const std::vector<const ColumnTexts*> columns = EnabledColumns(o);
    std::string text;
    for (const ColumnTexts* c : columns)
        text += std::string(c->text) + "\t";
    text += "\n";
    for (const PeakRecord& p : peaks) {
        if (Listed(p, o))
            for (const ColumnTexts* c : columns)
                text += TextCell(c->column, p) + "\t";
        text += "\n";
    }
    text.push_back('\0');
    return text;
}

ColumnSwitches PrintColumns(const PrintSettings& print) {
    ColumnSwitches c;
    c.number = print.colPeakNo != 0;
    c.name = print.colName != 0;
    c.time = print.colTime != 0;
    c.area = print.colArea != 0;
    c.height = print.colHeight != 0;
    c.areaHeight = print.colAreaHeight != 0;
    c.percent = print.colAreaPercent != 0;
    c.resolution = print.colResolution != 0;
    c.tailing = print.colTailing != 0;
    c.plates = print.colPlates != 0;
    c.content = print.colContent != 0;
    return c;
}

TableOptions PrintTableOptions(const CTzLabDoc& doc, bool viewAllPeaks) {
    TableOptions options;
    options.form = TableForm::Print;
    options.columns = PrintColumns(doc.m_PrintSettings);
    options.english = doc.m_PrintSettings.englishReport != 0;
    options.viewAllPeaks = viewAllPeaks;
    options.quantified = IsQuantified(doc);
    return options;
}

bool IsQuantified(const CTzLabDoc& doc) {
    const auto* project = dynamic_cast<const CPrjDoc*>(doc.m_Project);
    return project && project->m_Method != kNormalization;
}

std::string PeakTypeLine(const PeakRecord& p) {
    std::string line = Format(" %d ", p.m_GroupSize);
    if (p.m_Flags & kTailingRider)
        line += "  ONTAILP  ";
    if (p.m_Flags & kTailingParent)
        line += "  TAILP  ";
    line += Format("  %d  ", p.m_BaseStart) + Format("  %d  ", p.m_BaseEnd);
    if (p.m_Flags & kStartsInValley)
        line += "  STARTV  ";
    if (p.m_Flags & kEndsInValley)
        line += "  ENDV   ";
    return line;
}

}  // namespace lx
