#include "interchange/tables/XlsxTable.h"

#include <stdlib.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/Format.h"
#include "interchange/tables/TablesTexts.h"

namespace lx {
namespace {

// Removed with all it holds, whatever happened.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::error_code ec;
        std::string pattern =
            (std::filesystem::temp_directory_path(ec) / "lx6600-xlsx-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data()))
            m_Path = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ec;
        if (!m_Path.empty())
            std::filesystem::remove_all(m_Path, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& Path() const { return m_Path; }

private:
    std::string m_Path;
};

Result<std::string> Failure(const char* reason) {
    return Result<std::string>::Failure(Format(Tr(texts::kSummaryXlsxFailed), reason));
}

class SheetWriter {
public:
    SheetWriter(lxw_workbook* book, lxw_worksheet* sheet) : m_Sheet(sheet) {
        m_Bold = workbook_add_format(book);
        format_set_bold(m_Bold);
        m_Time = workbook_add_format(book);
        format_set_num_format(m_Time, "yyyy-mm-dd hh:mm:ss");
    }

    void Heading(lxw_row_t row, lxw_col_t col, const std::string& text) {
        Keep(worksheet_write_string(m_Sheet, row, col, text.c_str(), m_Bold));
    }
    void Cell(lxw_row_t row, lxw_col_t col, const SummaryCell& cell) {
        if (const auto* text = std::get_if<std::string>(&cell))
            Keep(worksheet_write_string(m_Sheet, row, col, text->c_str(), nullptr));
        else if (const auto* number = std::get_if<double>(&cell))
            // The number the text tables show, so both hold the same one.
            Keep(worksheet_write_number(m_Sheet, row, col,
                                        std::strtod(SummaryNumberText(*number).c_str(), nullptr),
                                        nullptr));
        else if (const auto* time = std::get_if<AcquisitionTime>(&cell)) {
            const std::tm t = LocalTime(*time);
            lxw_datetime when{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                              t.tm_hour,        t.tm_min,     static_cast<double>(t.tm_sec)};
            Keep(worksheet_write_datetime(m_Sheet, row, col, &when, m_Time));
        }
    }
    // The first failure of a write (a table wider than a sheet, say), or LXW_NO_ERROR.
    lxw_error Error() const { return m_Error; }

private:
    void Keep(lxw_error error) {
        if (m_Error == LXW_NO_ERROR)
            m_Error = error;
    }
    lxw_worksheet* m_Sheet;
    lxw_format* m_Bold;
    lxw_format* m_Time;
    lxw_error m_Error = LXW_NO_ERROR;
};

}  // namespace

Result<std::string> SummaryXlsx(const SummaryTable& table) {
    TemporaryFolder folder;
    if (folder.Path().empty())
        return Failure(std::strerror(errno));
    const std::string path = folder.Path() + "/summary.xlsx";
    std::string tmpdir = folder.Path();
    lxw_workbook_options options{LXW_FALSE, tmpdir.data(), LXW_FALSE};
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book)
        return Failure(lxw_strerror(LXW_ERROR_CREATING_XLSX_FILE));
    lxw_worksheet* sheet = workbook_add_worksheet(book, Tr(texts::kSummarySheet));
    SheetWriter writer(book, sheet);
    for (std::size_t c = 0; c < table.m_Headers.size(); ++c)
        writer.Heading(0, static_cast<lxw_col_t>(c), table.m_Headers[c]);
    for (std::size_t r = 0; r < table.m_Rows.size(); ++r)
        for (std::size_t c = 0; c < table.m_Rows[r].size(); ++c)
            writer.Cell(static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c),
                        table.m_Rows[r][c]);
    worksheet_freeze_panes(sheet, 1, 1);
    worksheet_set_column(sheet, 0, 0, 28, nullptr);
    worksheet_set_column(sheet, 1, LXW_COL_MAX - 1, 14, nullptr);
    const lxw_error written = writer.Error();
    const lxw_error closed = workbook_close(book);  // frees the workbook whatever went before
    if (written != LXW_NO_ERROR || closed != LXW_NO_ERROR)
        return Failure(lxw_strerror(written != LXW_NO_ERROR ? written : closed));
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return Failure(std::strerror(errno));
    return bytes;
}

}  // namespace lx
