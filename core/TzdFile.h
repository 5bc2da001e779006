#pragma once
// Chromatogram files (.Tzd) on disk.

#include <cstdint>
#include <span>
#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

// Loads a chromatogram and remembers its path. A file that cannot be read, is cut short or is
// damaged gives the operator's message and no record.
Result<CTzLabDoc> LoadTzdFile(const std::string& path);
// The same from bytes in memory; `name` stands for the file in the message.
Result<CTzLabDoc> LoadTzdBytes(std::span<const std::uint8_t> bytes, const std::string& name);

// Saves at version 2.1, replacing `path` only once the new file is complete on disk. The stored
// fields stay as they are (m_Version still names the version it was loaded from); only
// m_PathName becomes `path`, where the record now lives.
Status SaveTzdFile(CTzLabDoc& doc, const std::string& path);

}  // namespace lx
