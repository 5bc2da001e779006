#pragma once
// The data lines of a signal written as text: our own export ("%1.4f  %ld \r\n") and the
// columns other programs and data loggers write. Lines before the first data line (headings,
// instrument notes) are skipped; blank lines carry nothing. Columns are separated by tabs,
// semicolons, commas or runs of spaces, found from the line itself; after the first data
// line every line must split the same way into the same number of columns.
//
// Nothing is guessed after that: a decimal comma, a line with another column count, a field
// that is no number and an overlong line stop the reading with the file, line and text named.

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

#include "core/Result.h"
#include "interchange/tables/DecimalText.h"

namespace lx {

struct SignalColumns {
    int m_Time = 1;  // from 1
    int m_Value = 2;
};

struct SignalRow {
    std::size_t m_Line = 0;  // from 1
    DecimalText m_Time;
    DecimalText m_Value;
};

class SignalTextReader {
public:
    // A text longer than any signal line is no signal, and is not held.
    static constexpr std::size_t kMaxLineLength = 4096;

    // Fails with the open error of the file layer for a missing or unreadable file or a folder.
    static Result<SignalTextReader> Open(const std::string& path, SignalColumns columns);

    // The next data line; false at the end of the file or when the reading stopped, which
    // Error() then says why.
    bool Next(SignalRow& row);
    const std::string& Error() const { return m_Error; }

private:
    SignalTextReader(std::ifstream in, std::string path, SignalColumns columns);
    // The next line without its line end; false at the end or for an overlong line.
    bool ReadLine(std::string& line);
    // The line's fields by `separator` (before the first data line, its own; after it, the
    // first data line's); false for a decimal comma.
    bool Split(const std::string& line, char separator, std::vector<std::string>& fields);
    bool Refuse(std::string message);

    std::ifstream m_In;
    std::string m_Path;
    SignalColumns m_Columns;
    std::size_t m_Line = 0;
    std::size_t m_FirstDataLine = 0;  // 0 until a data line is found
    std::size_t m_ColumnCount = 0;    // of the first data line
    char m_Separator = 0;             // ' ' stands for any run of spaces
    std::string m_Error;
};

}  // namespace lx
