#pragma once
// ANDI/AIA files for the tests: written from CDL text by ncgen, as another system would write
// them, and read with the netCDF library directly, not through the workstation's reader.

#include <cstdint>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "tests/support/TempDir.h"

namespace lx::test {

// Writes `cdl` beside the file and has ncgen turn it into `name`; `kind` is ncgen's -k
// ("1" classic, "2" 64-bit offset). Fails the test when ncgen refuses the text.
std::string Ncgen(const TempDir& dir, const std::string& name, const std::string& cdl,
                  const std::string& kind = "1");

// What ncdump -h says of a file.
std::string NcdumpHeader(const std::string& path);

// A variable's values and an attribute's text, read with the netCDF library.
std::vector<double> ReadVariable(const std::string& path, const char* name);
std::string ReadText(const std::string& path, const char* variable, const char* attribute);
// A char variable's bytes, every row at its full width.
std::string ReadChars(const std::string& path, const char* name);

// A small integrated run with sample information in Chinese, fused peaks and a negative dip.
CTzLabDoc SampleRun();

}  // namespace lx::test
