#pragma once
// A classic netCDF file from elsewhere, open for reading through the netCDF library, with the
// few questions an import asks of it. Every answer is checked: a variable of the wrong type or
// shape is reported as such, never read into the wrong kind of value.

#include <netcdf.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Result.h"

namespace lx {

class NetCdfFile {
public:
    // Opens bytes that passed CheckClassicNetCdf(); they must outlive the file. Fails with the
    // library's words when it still refuses them.
    static Result<NetCdfFile> Open(std::span<const std::uint8_t> bytes, const std::string& name);
    NetCdfFile(NetCdfFile&& other) noexcept;
    NetCdfFile& operator=(NetCdfFile&&) = delete;
    ~NetCdfFile();

    const std::string& Name() const { return m_Name; }

    // A text attribute of `var` (NC_GLOBAL for the file's own), cut at its first NUL as every
    // reader does with the padded texts some writers leave. Text that is not UTF-8 is taken as
    // code page 936, so its bytes survive into the chromatogram. Nothing when it is absent or
    // not text.
    std::optional<std::string> Text(int var, const char* name) const;
    // A numeric attribute holding one value; nothing when it is absent or not a number.
    std::optional<double> Number(int var, const char* name) const;

    // The variable's id, or nothing.
    std::optional<int> Var(const char* name) const;
    // A numeric (short, int, float or double) variable with no dimensions.
    Result<double> Scalar(int var) const;
    // A numeric variable with one dimension, every value as a double.
    Result<std::vector<double>> Series(int var) const;
    // A char variable of two dimensions: one text per row, cut and decoded as Text() does.
    Result<std::vector<std::string>> Names(int var) const;

private:
    NetCdfFile(int id, std::string name, std::vector<std::uint8_t> padded)
        : m_Id(id), m_Name(std::move(name)), m_Padded(std::move(padded)) {}
    // The failure for `var` not being `shape`.
    Status WrongShape(int var, const char* shape) const;
    bool Numeric(int var) const;

    int m_Id;
    std::string m_Name;
    std::vector<std::uint8_t> m_Padded;  // a small file's bytes, when the library reads them
};

// Bytes of a text as other systems write them: UTF-8 kept, anything else decoded from code
// page 936 (the workstation's own), cut at the first NUL.
std::string TextFromFile(std::string_view bytes);

}  // namespace lx
