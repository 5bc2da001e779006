#include "interchange/tables/SignalTextReader.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/CoreTexts.h"
#include "core/FileIo.h"
#include "core/Format.h"
#include "interchange/tables/TablesTexts.h"

namespace lx {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> SplitOnBlanks(const std::string& line) {
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < line.size();) {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        const std::size_t from = at;
        while (at < line.size() && !IsBlank(line[at]))
            ++at;
        if (at > from)
            fields.push_back(line.substr(from, at - from));
    }
    return fields;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitOn(const std::string& line, char separator) {
    if (separator == ' ')
        return SplitOnBlanks(line);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (auto at = line.find(separator); at != std::string::npos;
         from = at + 1, at = line.find(separator, from))
        fields.push_back(Trimmed(line.substr(from, at - from)));
    fields.push_back(Trimmed(line.substr(from)));
    return fields;
}

// Tabs and semicolons are never part of a number; a comma may be one's decimal comma, which
// spaces between the numbers give away ("0,5  12,3").
char SeparatorOf(const std::string& line) {
    if (line.find('\t') != std::string::npos)
        return '\t';
    if (line.find(';') != std::string::npos)
        return ';';
    return line.find(',') != std::string::npos ? ',' : ' ';
}

// The first field of a line that holds a decimal comma, when the line is numbers spaced apart.
std::optional<std::string> DecimalCommaBetweenBlanks(const std::string& line) {
    const std::vector<std::string> fields = SplitOnBlanks(line);
    std::optional<std::string> comma;
    for (const std::string& field : fields) {
        if (IsDecimalComma(field))
            comma = comma ? comma : field;
        else if (!ParseDecimal(field))
            return std::nullopt;
    }
    return fields.size() >= 2 ? comma : std::nullopt;
}

}  // namespace

Result<SignalTextReader> SignalTextReader::Open(const std::string& path, SignalColumns columns) {
    // The file layer's checks and words for a missing file, a folder or no permission.
    if (auto file = InputFile::Open(path); !file.ok())
        return Result<SignalTextReader>::Failure(file.error());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Result<SignalTextReader>::Failure(Format(Tr(texts::kOpenFileFailed), path.c_str()));
    return SignalTextReader(std::move(in), path, columns);
}

SignalTextReader::SignalTextReader(std::ifstream in, std::string path, SignalColumns columns)
    : m_In(std::move(in)), m_Path(std::move(path)), m_Columns(columns) {}

bool SignalTextReader::Refuse(std::string message) {
    m_Error = std::move(message);
    return false;
}

bool SignalTextReader::Split(const std::string& line, char separator,
                             std::vector<std::string>& fields) {
    if (separator == ',' && !m_Separator)
        if (const std::optional<std::string> comma = DecimalCommaBetweenBlanks(line))
            return Refuse(
                Format(Tr(texts::kSignalDecimalComma), m_Path.c_str(), m_Line, comma->c_str()));
    fields = SplitOn(line, separator);
    if (separator != ',')
        for (int column : {m_Columns.m_Time, m_Columns.m_Value})
            if (static_cast<std::size_t>(column) <= fields.size() &&
                IsDecimalComma(fields[static_cast<std::size_t>(column) - 1]))
                return Refuse(Format(Tr(texts::kSignalDecimalComma), m_Path.c_str(), m_Line,
                                     fields[static_cast<std::size_t>(column) - 1].c_str()));
    return true;
}

bool SignalTextReader::ReadLine(std::string& line) {
    std::streambuf& in = *m_In.rdbuf();
    constexpr int kEnd = std::char_traits<char>::eof();
    if (in.sgetc() == kEnd)
        return false;
    ++m_Line;
    line.clear();
    for (int c = in.sbumpc(); c != kEnd && c != '\n'; c = in.sbumpc()) {
        if (line.size() == kMaxLineLength)
            return Refuse(
                Format(Tr(texts::kSignalLineTooLong), m_Path.c_str(), m_Line, kMaxLineLength));
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (m_Line == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)  // a UTF-8 byte order mark
        line.erase(0, 3);
    return true;
}

bool SignalTextReader::Next(SignalRow& row) {
    std::string line;
    std::vector<std::string> fields;
    while (m_Error.empty() && ReadLine(line)) {
        if (Trimmed(line).empty())
            continue;
        const char separator = m_Separator ? m_Separator : SeparatorOf(line);
        if (!Split(line, separator, fields))
            return false;
        const std::size_t needed =
            static_cast<std::size_t>(std::max(m_Columns.m_Time, m_Columns.m_Value));
        if (!m_FirstDataLine && fields.size() < needed)
            continue;  // a heading or a note before the data
        if (m_FirstDataLine && fields.size() != m_ColumnCount)
            return Refuse(Format(Tr(texts::kSignalRagged), m_Path.c_str(), m_Line, fields.size(),
                                 m_FirstDataLine, m_ColumnCount));
        const std::string& time = fields[static_cast<std::size_t>(m_Columns.m_Time) - 1];
        const std::string& value = fields[static_cast<std::size_t>(m_Columns.m_Value) - 1];
        std::optional<DecimalText> t = ParseDecimal(time);
        std::optional<DecimalText> v = ParseDecimal(value);
        if (!m_FirstDataLine) {
            if (!t || !v)
                continue;
            m_FirstDataLine = m_Line;
            m_ColumnCount = fields.size();
            m_Separator = separator;
        }
        if (!t)
            return Refuse(Format(Tr(texts::kSignalNotANumber), m_Path.c_str(), m_Line,
                                 m_Columns.m_Time, time.c_str()));
        if (!v)
            return Refuse(Format(Tr(texts::kSignalNotANumber), m_Path.c_str(), m_Line,
                                 m_Columns.m_Value, value.c_str()));
        row = {m_Line, std::move(*t), std::move(*v)};
        return true;
    }
    if (m_Error.empty() && !m_FirstDataLine)
        Refuse(
            Format(Tr(texts::kSignalNoData), m_Path.c_str(), m_Columns.m_Time, m_Columns.m_Value));
    return false;
}

}  // namespace lx
