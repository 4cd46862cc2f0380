#pragma once

#include "document/document_options.h"

namespace vg {

// Axis units to the world values a formula sees, and back. With a
// logarithmic axis the axis units are exponents of its base.
long double ScaledX(const DocumentOptions& d, long double u);
long double ScaledY(const DocumentOptions& d, long double v);
// +infinity when a logarithmic axis has no value for a non-positive x.
long double UnscaledX(const DocumentOptions& d, long double x);
long double UnscaledY(const DocumentOptions& d, long double y);

}  // namespace vg
