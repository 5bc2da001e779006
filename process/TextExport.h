#pragma once
// The raw signal as a text file: one line per sample, its time in minutes and its value.

#include <string>

#include "core/CTzLabDoc.h"
#include "core/Result.h"

namespace lx {

// "%1.4f  %ld \r\n" per sample, no header. The file is replaced only once complete; when it
// cannot be written nothing is (the desktop says nothing, the command line shows the reason).
Status ExportText(const CTzLabDoc& doc, const std::string& path);

}  // namespace lx
