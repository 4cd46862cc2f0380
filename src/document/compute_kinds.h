#pragma once

#include "document/document_options.h"
#include "document/graph_model.h"

namespace vg {

// The per-kind computations behind ComputeGraph. Each is entered with the
// graph's Values already freed and the document's ContinueCalculation set,
// and returns the continue flag.
bool ComputeFunctionGraph(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);
bool ComputeCurveGraph(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);
bool ComputeSlopeField(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);
bool ComputeInequality(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);
bool ComputeZeroCurve(ComputeProgress& progress, TFunction& graph, const DocumentOptions& d, int index);
bool ComputeTable(ComputeProgress& progress, TFunction& graph);

// A rectangle of the plane with its step counts, for the kinds of two
// variables.
struct PlaneGrid {
    bool Empty = true;
    long double LoX = 0, HiX = 0, LoY = 0, HiY = 0;
};
// The effective X and Y intervals of an Equation or DifField graph, each
// emptied when it lies outside the document's interval.
PlaneGrid PlanPlaneGrid(const GraphRecord& graph, const DocumentOptions& d);

}  // namespace vg
