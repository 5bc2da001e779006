#pragma once
// A chromatogram as an ANDI/AIA chromatography file (ASTM E1947): netCDF in the classic format
// ("CDF\x01"), written with the netCDF library. Raw data: point_number, the samples as float
// ordinate_values in uV (a clamped sample, |v| <= 2,500,000, is exact in a float), the
// sampling interval, delay 0 and the run length; sample information and dates; and, when the
// chromatogram has peaks, the peak table on peak_number. Which reader's rule each choice
// satisfies is said where the file is laid out.

#include <cstdint>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

// The file's bytes; `name` stands for the file in a failure's message.
Result<std::vector<std::uint8_t>> AndiFileBytes(const CTzLabDoc& doc, const std::string& name);

// Writes the file at `path` through a temporary file in the same folder, replacing `path` only
// once the new file is complete on disk ("保存文件[%s]失败!(%s)" otherwise).
Status ExportAndiFile(const CTzLabDoc& doc, const std::string& path);

// Per peak, whether the operator's manual events made it: true for a peak that the automatic
// pass alone (the same parameters, no events replayed) does not give with the same start,
// apex, end and baseline.
std::vector<bool> ManuallyReintegrated(const CTzLabDoc& doc);

}  // namespace lx
