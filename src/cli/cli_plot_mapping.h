#pragma once

#include <ostream>
#include <string>

#include "document/coordinate_system.h"
#include "document/graph_model.h"

namespace vg {

// The window size of the commands that take pixel positions.
inline constexpr int kDefaultWindowWidth = 800;
inline constexpr int kDefaultWindowHeight = 600;
inline constexpr int kMinWindowSize = 20;
inline constexpr int kMaxWindowSize = 10000;

// "WxH" within the limits above.
bool ParseWindowSize(const std::string& text, int& width, int& height);

// A whole number, nothing else in the text.
bool ParseWholeNumber(const std::string& text, int& value);

// The axis-to-pixel mapping of a document window of width x height pixels
// showing the document, with its plot rectangle found as the window finds
// it. False, after "vgraph-cli: COMMAND: ..." on err, in a build without the
// GUI, which has no fonts to measure the labels with.
bool WindowPlotMapping(const TGraphicsManager& document, int width, int height, const std::string& command,
                       PlotMapping& mapping, std::ostream& err);

}  // namespace vg
