#pragma once

// The text of a coordinate under the mouse: the status-bar read-out and the
// corners of a chosen view interval are written this way.

#include <string>

#include "document/document_options.h"

namespace vg {

// value written for an axis whose interval has the width (Max - Min) and
// sumAbs (|Min| + |Max|): empty when either is 0; fixed-point with as many
// decimals as the width needs (a width of 20 gives 2, a width of 1 gives 4)
// for 0.001 <= |value| <= 1e6 or a value that is 0 at 12 digits; otherwise
// the power form "1.5*10^(-8)". A zero is never written with a minus sign.
std::string FormatCoordinate(long double value, long double width, long double sumAbs);

// The decimals FormatCoordinate uses for an interval width: 1 when
// width / 1000 > 0.1, else Trunc(-log10(width / 1000)) + 1, found from the
// decimal digits of width / 1000 so that exact powers of ten are not lost in
// binary (a width of 1 gives 4, not 3).
int CoordinateDecimals(long double width);

// The read-out of the point (u, v) in axis units: the X text, ":" and the Y
// text; on a logarithmic axis the value is LogBase^u in the display form.
std::string PointerCoordinatesText(const DocumentOptions& d, long double u, long double v);

}  // namespace vg
