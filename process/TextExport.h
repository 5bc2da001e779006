#pragma once
// The raw signal as text: one line per sample, its time in minutes and its value.

#include <string>

#include "core/Archive.h"
#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

// "%1.4f  %ld \r\n" per sample, no header.
void WriteSampleText(const CTzLabDoc& doc, ArchiveWriter& out);

// The text as a file, replaced only once complete; when it cannot be written nothing is (the
// desktop says nothing, the command line shows the reason).
Status ExportText(const CTzLabDoc& doc, const std::string& path);

}  // namespace lx
