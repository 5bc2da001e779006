#include "interchange/andi/NetCdfFile.h"

#include <netcdf_mem.h>

#include <algorithm>
#include <utility>

#include "core/CodePage936.h"
#include "core/Format.h"
#include "interchange/andi/AndiTexts.h"

namespace lx {
namespace {

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int more = 0;
        unsigned min = 0, cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + more >= s.size())
            return false;
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

}  // namespace

std::string TextFromFile(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    return IsUtf8(bytes) ? std::string(bytes) : DecodeGbk(bytes);
}

Result<NetCdfFile> NetCdfFile::Open(std::span<const std::uint8_t> bytes, const std::string& name) {
    // The library reads a header from memory in blocks and refuses a file shorter than one
    // ("Operation not permitted" for a run without points), so a small file is read from a
    // copy that runs on in zeros; the gate has already checked every value against the real
    // end.
    constexpr std::size_t kSmallest = 8192;
    std::vector<std::uint8_t> padded;
    if (bytes.size() < kSmallest) {
        padded.assign(kSmallest, 0);
        std::copy(bytes.begin(), bytes.end(), padded.begin());
        bytes = padded;
    }
    int id = -1;
    // Opened read-only, the library reads the bytes and never writes them.
    const int status = nc_open_mem(name.c_str(), NC_NOWRITE, bytes.size(),
                                   const_cast<std::uint8_t*>(bytes.data()), &id);
    if (status != NC_NOERR)
        return Result<NetCdfFile>::Failure(
            Format(Tr(texts::kAndiLibraryFailed), name.c_str(), nc_strerror(status)));
    return NetCdfFile(id, name, std::move(padded));
}

NetCdfFile::NetCdfFile(NetCdfFile&& other) noexcept
    : m_Id(std::exchange(other.m_Id, -1)),
      m_Name(std::move(other.m_Name)),
      m_Padded(std::move(other.m_Padded)) {}

NetCdfFile::~NetCdfFile() {
    if (m_Id >= 0)
        nc_close(m_Id);
}

std::optional<std::string> NetCdfFile::Text(int var, const char* name) const {
    nc_type type = NC_NAT;
    std::size_t length = 0;
    if (nc_inq_att(m_Id, var, name, &type, &length) != NC_NOERR || type != NC_CHAR)
        return std::nullopt;
    std::string bytes(length, '\0');
    if (length > 0 && nc_get_att_text(m_Id, var, name, bytes.data()) != NC_NOERR)
        return std::nullopt;
    return TextFromFile(bytes);
}

std::optional<double> NetCdfFile::Number(int var, const char* name) const {
    nc_type type = NC_NAT;
    std::size_t length = 0;
    double value = 0;
    if (nc_inq_att(m_Id, var, name, &type, &length) != NC_NOERR || type == NC_CHAR || length != 1 ||
        nc_get_att_double(m_Id, var, name, &value) != NC_NOERR)
        return std::nullopt;
    return value;
}

std::optional<int> NetCdfFile::Var(const char* name) const {
    int var = -1;
    if (nc_inq_varid(m_Id, name, &var) != NC_NOERR)
        return std::nullopt;
    return var;
}

bool NetCdfFile::Numeric(int var) const {
    nc_type type = NC_NAT;
    nc_inq_vartype(m_Id, var, &type);
    return type == NC_SHORT || type == NC_INT || type == NC_FLOAT || type == NC_DOUBLE;
}

Status NetCdfFile::WrongShape(int var, const char* shape) const {
    char name[NC_MAX_NAME + 1] = {};
    nc_inq_varname(m_Id, var, name);
    return Status::Failure(Format(Tr(texts::kAndiWrongShape), m_Name.c_str(), name, shape));
}

Result<double> NetCdfFile::Scalar(int var) const {
    int rank = -1;
    double value = 0;
    nc_inq_varndims(m_Id, var, &rank);
    if (rank != 0 || !Numeric(var) || nc_get_var_double(m_Id, var, &value) != NC_NOERR)
        return WrongShape(var, Tr(texts::kAndiShapeNumber));
    return value;
}

Result<std::vector<double>> NetCdfFile::Series(int var) const {
    int rank = -1, dim = -1;
    std::size_t length = 0;
    nc_inq_varndims(m_Id, var, &rank);
    if (rank != 1 || !Numeric(var) || nc_inq_vardimid(m_Id, var, &dim) != NC_NOERR ||
        nc_inq_dimlen(m_Id, dim, &length) != NC_NOERR)
        return WrongShape(var, Tr(texts::kAndiShapeSeries));
    // The header gate has checked that these values lie inside the file's bytes, so the count
    // is bounded by the file's size.
    std::vector<double> values(length);
    if (length > 0 && nc_get_var_double(m_Id, var, values.data()) != NC_NOERR)
        return WrongShape(var, Tr(texts::kAndiShapeSeries));
    return values;
}

Result<std::vector<std::string>> NetCdfFile::Names(int var) const {
    int rank = -1;
    int dims[2] = {-1, -1};
    std::size_t rows = 0, width = 0;
    nc_type type = NC_NAT;
    nc_inq_varndims(m_Id, var, &rank);
    nc_inq_vartype(m_Id, var, &type);
    if (rank != 2 || type != NC_CHAR || nc_inq_vardimid(m_Id, var, dims) != NC_NOERR ||
        nc_inq_dimlen(m_Id, dims[0], &rows) != NC_NOERR ||
        nc_inq_dimlen(m_Id, dims[1], &width) != NC_NOERR)
        return WrongShape(var, Tr(texts::kAndiShapeNames));
    std::string block(rows * width, '\0');
    if (!block.empty() && nc_get_var_text(m_Id, var, block.data()) != NC_NOERR)
        return WrongShape(var, Tr(texts::kAndiShapeNames));
    std::vector<std::string> names;
    names.reserve(rows);
    for (std::size_t r = 0; r < rows; ++r)
        names.push_back(TextFromFile(std::string_view(block).substr(r * width, width)));
    return names;
}

}  // namespace lx
