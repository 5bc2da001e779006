#pragma once
// A peak table as the commands print it.

#include <string>
#include <vector>

#include "core/PeakRecord.h"

namespace lx::cli {

// Readable columns under a "== FILE" line, or one JSON line {"file", "m_Peaks"} with every
// field of every peak, m_RawSum included.
std::string PeakTableText(const std::string& file, const std::vector<PeakRecord>& peaks, bool json);

}  // namespace lx::cli
