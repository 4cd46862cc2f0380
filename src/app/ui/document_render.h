#pragma once

#include "document/coordinate_system.h"

class QImage;

namespace vg {

class TGraphicsManager;

// Draws the whole document (frame, axes, grid, titles and graphs) into the
// image, which keeps its size. At a device pixel ratio above 1 widths, marks
// and fonts grow with it, so the window looks the same at any scale. Returns
// the frame drawn: the mapping of axis units to the image's pixels.
PlotFrame RenderDocument(TGraphicsManager& document, QImage& image, double pixelRatio = 1.0);

}  // namespace vg
