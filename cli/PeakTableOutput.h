#pragma once
// A peak table as the commands print it.

#include <string>
#include <vector>

#include "core/PeakRecord.h"

namespace lx::cli {

// Readable columns under a "== FILE" line, or one JSON line {"file", "m_Peaks"} with every
// field of every peak, m_RawSum included, and the placeholder fields when `raw`. Quantified
// tables add each peak's content and component name to the columns.
std::string PeakTableText(const std::string& file, const std::vector<PeakRecord>& peaks, bool json,
                          bool quantified = false, bool raw = false);

}  // namespace lx::cli
