#pragma once

// Tracing a graph: stepping along its computed points, with their
// coordinates in the Trace window and a small cross, the trace pointer, at
// the point in the document window.

#include <string>
#include <vector>

#include "document/coordinate_system.h"
#include "document/graph_model.h"
#include "platform/canvas.h"

namespace vg {

// The Trace window's messages.
inline constexpr const char* kTraceImpossibleText = "The tracing is impossible";
inline constexpr const char* kNoValuesText = "There are no values";
inline constexpr const char* kTableEmptyText = "The table is empty";
// The value of a label whose coordinate is undefined at the point.
inline constexpr const char* kTraceErrorText = "Error";

// What the Trace window offers for one graph.
struct TraceSetup {
    bool Traceable = false;  // the scroll bar works and the values are shown
    int PointCount = 0;      // the scroll bar's maximum (positions 1 .. PointCount)
    std::string Message;     // English, when not traceable
    bool ShowA = false;      // the "A=" label: angle of Polar, parameter of Param
    bool ShowR = false;      // the "R=" label of Polar
};

TraceSetup PrepareTrace(const TFunction& graph, const DocumentOptions& d);

// Point k of a graph in world units; +infinity where undefined.
struct TracePoint {
    long double X = kUndefined;
    long double Y = kUndefined;
    long double A = kUndefined;  // Polar: the angle in units of pi; Param: t
    long double R = kUndefined;  // Polar: the radius with its sign
    bool HasA = false;
    bool HasR = false;
};

// k from 1 to PrepareTrace's PointCount. The sample positions are those of
// the computation, so X (or Y, or A) is the value the formula was given.
TracePoint TracePointAt(const TFunction& graph, const DocumentOptions& d, int k);

// One value label: its name ("X=") and its text (the display form, or
// "Error" through translate where undefined).
struct TraceLabel {
    std::string Name;
    std::string Text;
};
std::vector<TraceLabel> TraceLabels(const TracePoint& point, const TextTranslation& translate = {});

// The cross that marks the traced point, one per document.
class TTracePointer {
public:
    // The pointer's position in axis units.
    long double X = kUndefined;
    long double Y = kUndefined;
    // Drawn: the point lies inside the plot interval.
    bool Active = false;

    // Moves to a point given in world units: the coefficients and the
    // logarithmic scales are undone (no value of a logarithmic axis for
    // x <= 0); outside the interval it is not drawn.
    void MoveTo(const DocumentOptions& d, long double x, long double y);
    void Remove() { Active = false; }

    // The centre pixel; false when not Active.
    bool Centre(const PlotMapping& mapping, CanvasPoint& centre) const;
    // The pixels of the cross, arms of arm pixels each side and the given
    // thickness, inside the surface of width x height pixels; empty when not
    // Active. Drawn by inverting these pixels of the picture.
    std::vector<CanvasPoint> CrossPixels(const PlotMapping& mapping, int width, int height, int arm = 15,
                                         int thickness = 1) const;
};

}  // namespace vg
