#pragma once
// ANDI/AIA chromatography files from other systems as chromatograms: netCDF classic or 64-bit
// offset, times in seconds, minutes or milliseconds, float, double or integer ordinates at a
// fixed interval. The values become whole microvolts (the scale, when it is not 1, goes into
// the notes), the interval a whole number of samples a second (or the run is resampled when
// asked), and the run is integrated with the default parameters unless the file's own peak
// table is kept. Bytes from outside never crash it or make it allocate beyond what their size
// bears: a damaged or unsuitable file gives the operator's message and no chromatogram.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "core/Result.h"

namespace lx {

struct AndiImportOptions {
    bool keepPeaks = false;   // the file's peak table instead of an integration
    std::optional<int> rate;  // resample to this many samples a second (kMinRate to kMaxRate)
};

// `name` stands for the file in messages. The record's notes gain a line for everything the
// import had to do to the file's values (scale, resampling, a delay before the first point)
// and for what the record has no field for.
Result<CTzLabDoc> ImportAndiBytes(std::span<const std::uint8_t> bytes, const std::string& name,
                                  const AndiImportOptions& options, Prompter& prompter);
Result<CTzLabDoc> ImportAndiFile(const std::string& path, const AndiImportOptions& options,
                                 Prompter& prompter);

}  // namespace lx
