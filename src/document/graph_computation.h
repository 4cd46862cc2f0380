#pragma once

#include <cstdint>

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg {

// Sample positions of a YFromX, XFromY, Polar or Param graph. Sample k
// (0-based) lies at Base + (First + k) x H: computed from its index, never by
// adding H again and again, so positions do not drift. Drawing and tracing
// use the same positions.
struct LineSampling {
    bool Empty = true;
    int32_t Steps = 0;   // n: there are n + 1 samples
    long double Lo = 0;  // interval ends after NearZero
    long double Hi = 0;
    long double H = 0;
    long double Base = 0;
    long double First = 0;

    long double Position(int32_t k) const { return Base + (First + k) * H; }
    // A sample past the upper end of the interval is not drawn.
    bool Beyond(long double position) const;
};

// Plans the samples of a graph of one of those kinds against options d.
LineSampling PlanLineSampling(const GraphRecord& graph, const DocumentOptions& d);
// The same for an explicit interval lo .. hi with n steps.
LineSampling PlanSampling(long double lo, long double hi, int32_t n, bool pointsAlign);

// Computes one graph (see TGraphicsManager::ComputeGraph).
bool ComputeGraph(TGraphicsManager& document, TFunction& graph, const DocumentOptions& d, int index);
// The same whatever the document's continue flag, reporting to progress.
bool ComputeGraphWith(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);

// Whether a change of the document options from oldD to newD makes the
// graph's data stale.
bool NeedsRecompute(const TFunction& graph, const DocumentOptions& oldD, const DocumentOptions& newD);

// Offsets inside the Values of a smoothed table.
inline constexpr std::size_t kTableSlotsBytes = 2000;
inline constexpr std::size_t kSmoothTableBytes = 10004;
inline constexpr std::size_t kSplineXAB = 2000, kSplineXCD = 4000;
inline constexpr std::size_t kSplineYAB = 6000, kSplineYCD = 8000;
inline constexpr std::size_t kSplineCountOffset = 10000;

}  // namespace vg
