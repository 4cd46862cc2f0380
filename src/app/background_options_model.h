#pragma once

// The Background Options dialog without its window: the Cartesian and polar
// grids and the background colour of a DocumentOptions record as the
// dialog's fields and back, with the OK checks in their fixed order.

#include <optional>
#include <string>

#include "app/options_fields.h"
#include "document/document_options.h"

namespace vg {

enum class BackgroundOptionsPage { Grid = 0, PolarGrid = 1 };

// One family of grid lines. List indexes: style 0..3, colour 0..15, width
// w at index w - 1; an index outside its list keeps the record's value.
struct GridLinesValues {
    bool Show = false;
    std::string Step;
    int StyleIndex = 0;  // the Cartesian grids only
    int ColorIndex = 0;
    int WidthIndex = 0;
};

struct BackgroundOptionsValues {
    GridLinesValues Horizontal;  // DrawHorLinesBox, StepHorEdit and its lists
    GridLinesValues Vertical;    // DrawVertLinesBox, StepVertEdit
    GridLinesValues Angular;     // AngleCheckBox, AngleStepEdit (units of pi)
    GridLinesValues Radial;      // RadiusCheckBox, RadiusStepEdit
    int BackColorIndex = 15;
};

BackgroundOptionsValues BackgroundOptionsFromRecord(const DocumentOptions& d);

// OK: the steps of the horizontal, vertical and radial lines, then the
// angular step; the first failure is returned and record stays as it was.
std::optional<OptionsFailure> AcceptBackgroundOptions(const BackgroundOptionsValues& values,
                                                      DocumentOptions& record);

}  // namespace vg
