#pragma once

// The Graph toolbar without its window: what its boxes and buttons show for
// a graph, how one of their edits changes the graph (with its undo step),
// and the colour a new graph gets.

#include "document/graph_model.h"

namespace vg {

// The controls of the Graph toolbar that edit the selected graph.
enum class ToolbarControl {
    DrawGraphic,  // toggles Visible
    LinesDraw,    // toggles Lines
    DrawPoints,   // toggles Points
    LineWidth,    // index: width - 1
    LineStyle,
    PointSize,  // index: (size - 1) / 2
    PointStyle,
    Color,
    Brush,
};

// What the toolbar shows: the list indices of the boxes, which boxes are
// visible or enabled for the graph's kind, and the three button states.
struct GraphToolbarState {
    bool HasGraph = false;
    int PointSizeIndex = 0;
    int PointStyleIndex = 3;
    int ColorIndex = 2;
    int LineWidthIndex = 0;
    int LineStyleIndex = 0;
    int BrushIndex = 1;
    bool LineWidthVisible = true;
    bool LineStyleEnabled = true;
    bool BrushVisible = false;
    // The Lines and Points buttons and the two point boxes.
    bool LinesPointsEnabled = true;
    bool Lines = false;
    bool Visible = false;
    bool Points = false;
};

// The toolbar for a graph, or its empty state for none.
GraphToolbarState ToolbarStateOf(const GraphRecord* record);

// What one toolbar edit did.
struct ToolbarEditOutcome {
    bool Changed = false;      // the record changed (document Modified, undo step recorded)
    bool Redraw = false;       // the document and the graph list window must be redrawn
    bool RefreshList = false;  // the graph list window's picture changed
};

// Applies a toolbar edit to graph index through the document's own change
// (undo step of the graph-changed kind). Box values equal to what the box
// showed change nothing; the three buttons always toggle. A value of -1 or
// a graph that does not exist changes nothing.
ToolbarEditOutcome EditGraphFromToolbar(TGraphicsManager& document, int index, ToolbarControl control,
                                        int value = 0);

// The colour a graph added to document gets: the fewest used of the
// document's graphs, skipping the document's background colour, a tie going
// to the default graph colour of the program-wide options.
uint8_t NewGraphColor(const TGraphicsManager& document, const DocumentOptions& programOptions);

}  // namespace vg
