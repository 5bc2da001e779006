#pragma once
// Chromatographic figures of merit: width at half height, tailing factor, theoretical plates
// (optionally per column length) and resolution to the neighbouring peak.

#include "core/CTzLabDoc.h"

namespace lx {

void ComputeFigures(CTzLabDoc& doc);

}  // namespace lx
