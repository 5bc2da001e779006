#pragma once
// The numeric fields that appear on more than one page, with the one range each accepts.

#include "ui/sheets/KeptControls.h"

namespace lx {

// Minutes from injection: a run's length, a lock time, an axis limit, a time program line.
NumberBox* MakeMinutesBox(const char* name);
// Bunch size of the detector in samples; the detector never bunches fewer than one.
NumberBox* MakeHalfWidthBox(const char* name);
// Slope sensitivity.
NumberBox* MakeSlopeBox(const char* name);
// A non-negative amount: areas, heights, ratios, weights, volumes, concentrations.
NumberBox* MakeAmountBox(const char* name, int decimals);

}  // namespace lx
