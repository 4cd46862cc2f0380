#pragma once

// The Plot Options dialog without its window: the plot interval, density,
// coefficients and logarithmic scales of a DocumentOptions record as the
// texts of the dialog's fields and back, with the OK checks in their fixed
// order and the step scaling that follows a change of the intervals.

#include <optional>
#include <string>

#include "app/options_fields.h"
#include "document/document_options.h"

namespace vg {

enum class PlotOptionsPage { Intervals = 0, Coefficients = 1 };

struct PlotOptionsValues {
    std::string MinX, MaxX, MinY, MaxY;  // MinXEdit, MaxXEdit, MinYEdit, MaxYEdit
    std::string Steps;                   // StepsNumEdit
    std::string MaxGap;                  // MaxGapEdit
    bool PointsAlign = true;             // PointsAlignCheckBox
    std::string CoeffX, CoeffY;          // CoeffXEdit, CoeffYEdit
    bool LogX = false;                   // LogXCheckBox
    std::string LogBaseX;                // LogXEdit
    bool LogY = false;                   // LogYCheckBox
    std::string LogBaseY;                // LogYEdit
};

// The fields filled from a record.
PlotOptionsValues PlotOptionsFromRecord(const DocumentOptions& d);

// OK. record holds the document's options. The fields are checked in order;
// the first failure is returned and record stays as it was. Otherwise record
// receives the checked values (interval ends of magnitude below 1e-20 as 0)
// and, with changeSteps, the steps of each axis scaled by the ratio of the
// new width to the width record had.
std::optional<OptionsFailure> AcceptPlotOptions(const PlotOptionsValues& values, bool changeSteps,
                                                DocumentOptions& record);

}  // namespace vg
