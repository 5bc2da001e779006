#pragma once
// An ANDI/AIA file's own peak table, kept as the chromatogram's (import --keep-peaks).

#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Result.h"
#include "interchange/andi/NetCdfFile.h"

namespace lx {

// How the file's times and values map onto the chromatogram's samples.
struct AndiFrame {
    double secondsPerUnit = 1.0;  // retention_unit
    double delay = 0.0;           // seconds from the injection to the first point
    double scale = 1.0;           // detector unit to uV, as the ordinates were scaled
};

// Fills doc.m_Peaks from the file, whose samples and rate are already in doc. A file without
// peak_retention_time has no peaks. A table needs retention, start and end times, areas and
// heights; baseline times default to the peak's ends, baseline values to the signal there,
// percentages to the areas' shares, contents to the area fractions, and the figures the
// standard does not carry (tailing, plates, resolution; the half width when peak_width is
// missing) are computed from the samples. Peaks come in retention order. What the record
// cannot hold (hand-integrated peaks, the amount unit) becomes note lines in `notes`.
Status ReadAndiPeaks(const NetCdfFile& file, const AndiFrame& frame, CTzLabDoc& doc,
                     std::vector<std::string>& notes);

}  // namespace lx
