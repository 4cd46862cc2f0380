#pragma once

#include <functional>

#include "document/coordinate_system.h"
#include "document/device_context.h"
#include "document/draw_styles.h"
#include "document/graph_model.h"

namespace vg {

// Where and how one drawing goes.
struct DrawContext {
    Canvas* canvas = nullptr;
    const DocumentOptions* options = nullptr;
    PlotFrame frame;
    DeviceContext device;
    // Asked while shading and slope fields are drawn; true stops them. Unset
    // for pictures and pages, which are always drawn whole.
    std::function<bool()> escapePressed;
};

// One segment in axis units: rejected when both ends lie on one outer side,
// left out when it jumps farther than maxGap per cent of the interval,
// clipped to the interval and drawn with the liner.
void DrawSegment(const DrawContext& dc, int maxGap, TLiner& liner, long double x1,
                 long double y1, long double x2, long double y2);

// One graph from its computed Values (nothing when it has none).
void DrawGraph(const DrawContext& dc, const TFunction& graph);

// The whole document on the canvas inside the output rectangle: the frame,
// then every visible, non-empty graph in list order unless the document is
// being calculated. The trace pointer is the caller's last step.
PlotFrame DrawDocument(const TGraphicsManager& document, Canvas& canvas, const CanvasRect& output,
                       const DeviceContext& device = {},
                       const std::function<bool()>& escapePressed = nullptr);

// The device of a picture or page drawn at the scale factor. The document's
// records are left as they are: the scaling travels with the context.
DeviceContext PrepareDevice(const TGraphicsManager& document, long double scale);

}  // namespace vg
