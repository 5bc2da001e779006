#pragma once
// Quantitation of a sample chromatogram with its method project.

#include "core/CTzLabDoc.h"

namespace lx {

class CPrjDoc;

// The contents of the peaks of a sample chromatogram, by the project's method and basis.
void Quantify(CTzLabDoc& doc, const CPrjDoc& project);

}  // namespace lx
