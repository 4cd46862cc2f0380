#pragma once

// The small pictures of the style lists and of the graph list window, drawn
// through a Canvas with the plot's own primitives (the styled line
// rasterizer, the point marks, the shading brushes and the axis pointer), so
// that each item shows exactly what the plot draws.

#include "document/graph_record.h"
#include "platform/canvas.h"

namespace vg {

// The owner-drawn lists, one item per index of their table.
enum class StyleList {
    LineStyle,   // 4 line styles
    LineWidth,   // 5 widths, index = width - 1
    PointSize,   // 6 sizes, index = (size - 1) / 2
    PointStyle,  // 8 point styles
    Color,       // the 16 colours
    Pointer,     // 2 axis pointers
    Brush,       // 7 shading styles
};

int StyleListCount(StyleList list);

// Draws item index of a list into rect (device pixels). foreground is the
// colour of lines, marks and hatching, background that of the rest; scale
// multiplies widths, sizes and margins (the device pixel ratio).
void DrawStyleItem(Canvas& canvas, StyleList list, int index, const CanvasRect& rect, ColorValue foreground,
                   ColorValue background, double scale = 1);

// The picture of a graph in the graph list window: the background, then,
// for a visible graph in its colour, a region graph's shading over the
// whole picture, or its point marks at four places and a line through them.
void DrawGraphPicture(Canvas& canvas, const GraphRecord& record, int width, int height, ColorValue background,
                      double scale = 1);

}  // namespace vg
