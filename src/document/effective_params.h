#pragma once

#include <cstdint>

#include "document/document_options.h"
#include "document/graph_record.h"

namespace vg {

// The interval, density and gap a graph really uses against the document's
// options D: its own values where its flags say so, the document's otherwise.
long double EffectiveMinX(const GraphRecord& g, const DocumentOptions& d);
long double EffectiveMaxX(const GraphRecord& g, const DocumentOptions& d);
long double EffectiveMinY(const GraphRecord& g, const DocumentOptions& d);
long double EffectiveMaxY(const GraphRecord& g, const DocumentOptions& d);
int32_t EffectiveSteps(const GraphRecord& g, const DocumentOptions& d);
int32_t EffectiveMaxGap(const GraphRecord& g, const DocumentOptions& d);

struct PlanePoint {
    long double X;
    long double Y;
};
// The point an Integral curve passes through: its own point where it lies in
// the plot interval, else the interval's centre (each coordinate separately).
PlanePoint IntegralStartPoint(const GraphRecord& g, const DocumentOptions& d);

// The LineParams that a YFromX, XFromY, Polar or Param record uses (at 280,
// or at 536 for Param); null for the other kinds.
const LineParams* LineParamsOf(const GraphRecord& g);

}  // namespace vg
