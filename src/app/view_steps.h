#pragma once

// The step scaling that follows a change of the view interval: the grid,
// mark and label distances grow and shrink with the interval and are rounded
// to "nice" values. The view commands and the Plot Options dialog share it.

#include "document/document_options.h"

namespace vg {

// The largest magnitude of an interval end and of a step.
inline constexpr long double kBoundLimit = 1e100L;

// x (> 0) with its 12-digit mantissa m rounded to the nearer of a multiple of
// 0.5 or of 0.2 (the multiple of 0.2 on a tie): 3.14 -> 3.2, 6.74 -> 6.8,
// 1.25 -> 1.2, 9.95 -> 10. Anything that is not a positive finite number is
// returned unchanged.
long double RoundToNiceStep(long double x);

// kx and ky are the ratios of the new to the old interval widths. Unless a
// ratio is 1 at 12 significant digits, each step of its axis (labels, marks,
// grid lines) becomes RoundToNiceStep(k x step) when that lies in
// (0, 1e100]; otherwise the step keeps its value.
void ScaleSteps(DocumentOptions& d, long double kx, long double ky);

}  // namespace vg
