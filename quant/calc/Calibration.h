#pragma once
// Calibration of a method project from its standard chromatograms.

#include "core/Prompter.h"

namespace lx {

class CPrjDoc;

// Rebuilds every calibration point from the standard file records (repeats per level, areas
// and heights summed per component) and fits every component by the method. Refuses, with the
// operator's message and the previous coefficients kept, an empty table (silently under
// normalization), a zero response and a zero concentration. Returns whether it calibrated.
bool Calibrate(CPrjDoc& project, Prompter& prompter);

}  // namespace lx
