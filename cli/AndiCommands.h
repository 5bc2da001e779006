#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace lx::cli {

// import-andi: an ANDI/AIA chromatography file (netCDF) from another system as a chromatogram.
void AddAndiCommands(CLI::App& app, int& exitCode);

// export FILE --andi OUT.cdf: a chromatogram as an ANDI/AIA file. Refuses to write over FILE,
// and over any other existing file without --force.
int RunAndiExport(const std::string& in, const std::string& out, bool force);

}  // namespace lx::cli
