#pragma once
// Chromatographic figures of merit of every peak, from its samples, apex, height and times.
//
// Levels: Lf = trunc(S(apex) - height + f x height), the baseline under the apex plus a
// fraction f of the height (f = 0.5 for the half width, 0.05 for the tailing factor).
// Crossings of a level L: on the front, when S(start) < L, the mean (integer) of the first
// sample above L going up from the start and the first below L going down from the apex,
// else the start; on the back the same between apex and end, else the end.
//
//   half width   w     = minutes(right - left) at L0.5                    -> m_HalfWidthTime
//   tailing      T     = (r - l) / (apex - l) x 0.5, l and r at L0.05     -> m_Tailing
//                        (width at 5 % over twice the front half; 1.0 when symmetric)
//   plates       N     = 5.54 x (apex time / w)^2, x 1000 / column length
//                        when the column length is above 0                 -> m_Plates
//   resolution   R(k)  = 1.18 x (t(k) - t(k-1)) / (w(k-1) + w(k)), and the first peak
//                        carries R to the second                           -> m_Resolution
//
// Negative peaks keep w, T and N at 0 but take part in the resolution. A table of one peak
// leaves its resolution alone. Where a formula would divide by zero (an apex on its own 5 %
// crossing, a zero half width, two zero half widths) the figure is 0. Pinned by the
// PeakFigures tests on hand-worked peaks.

#include "core/CTzLabDoc.h"

namespace lx {

void ComputeFigures(CTzLabDoc& doc);

}  // namespace lx
