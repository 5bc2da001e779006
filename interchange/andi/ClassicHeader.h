#pragma once
// The gate in front of the netCDF library for files from elsewhere.
//
// The library trusts the counts of a classic header: a header that claims two billion
// attributes makes it allocate for two billion before it reads one, and a variable may claim
// data far past the end of the file. So before the library sees any bytes, this walks the
// whole header (the classic and 64-bit offset layouts: "CDF\x01", "CDF\x02") and checks every
// count against the bytes left, every name length against the format's limit, every type and
// dimension reference, and that every variable's data lies inside the file. Only bytes that
// pass are opened with the library; netCDF-4 (HDF5) and CDF-5 files never reach it.

#include <cstdint>
#include <span>
#include <string>

#include "core/Result.h"

namespace lx {

// The file's own length (the end of its last values; the bytes may go on past it, as the
// library's in-memory files do), or the operator's message naming `name` and what is wrong:
// not netCDF at all, netCDF-4, a header cut short or nonsensical, a count beyond the file,
// data past its end.
Result<std::uint64_t> CheckClassicNetCdf(std::span<const std::uint8_t> bytes,
                                         const std::string& name);

}  // namespace lx
