#pragma once
// The processing commands on whole chromatograms: each makes a new chromatogram from the
// current one (or two), integrated like any run; the baseline shift changes one in place.

#include <optional>
#include <string>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"

namespace lx {

enum class Processing { kFlip, kSmooth, kDerivative, kAdd, kSubtract };

// The file name a result proposes: the source's path up to its last "." and the command's
// suffix ("翻转.Tzd", "平滑.Tzd", "导数.Tzd", "相加.Tzd", "相减.Tzd").
std::string ResultName(const std::string& sourcePath, Processing processing);

// A result built on `source` from new samples: the source's channel set-up, integration
// parameters, time program and print settings; no manual events and no sample information;
// created now; display range (and the set-up's level range) from its own samples; then
// integrated (and, with a project, quantified).
CTzLabDoc MakeResult(const CTzLabDoc& source, std::vector<std::int32_t> samples,
                     Prompter& prompter);

CTzLabDoc Flip(const CTzLabDoc& source, Prompter& prompter);
// Nothing for a width of 1 or less.
std::optional<CTzLabDoc> Smooth(const CTzLabDoc& source, std::int32_t width, Prompter& prompter);
CTzLabDoc Derivative(const CTzLabDoc& source, Prompter& prompter);
// Chromatogram 1 is the source of the result's records.
CTzLabDoc Add(const CTzLabDoc& a, const CTzLabDoc& b, Prompter& prompter);
CTzLabDoc Subtract(const CTzLabDoc& a, const CTzLabDoc& b, Prompter& prompter);

// The c uV a baseline shift subtracts: the first sample with `autoZero` (0 without samples),
// else trunc(mv x 1000). The desktop asks first, so a shift of 0 makes no undo step.
std::int32_t BaselineShift(const CTzLabDoc& doc, double mv, bool autoZero);

// Subtracts BaselineShift() uV from every sample. Nothing happens (false) when it is 0;
// otherwise the display range follows the samples (a flat result without margin) and the
// chromatogram is integrated again.
bool ShiftBaseline(CTzLabDoc& doc, double mv, bool autoZero, Prompter& prompter);

// Drift correction: the line the operator laid along a drifting baseline, from sample `a` at
// `va` uV to sample `b` at `vb` uV, is made level with its start: every sample loses the line's
// rise (or gains its fall) at its index, truncated to whole uV. Nothing happens (false) for a
// level line or a = b; otherwise the display range follows the samples and the chromatogram is
// integrated again.
bool RemoveDrift(CTzLabDoc& doc, std::int32_t a, std::int32_t va, std::int32_t b, std::int32_t vb,
                 Prompter& prompter);

}  // namespace lx
