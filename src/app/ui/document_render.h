#pragma once

class QImage;

namespace vg {

class TGraphicsManager;

// Draws the whole document (frame, axes, grid, titles and graphs) into the
// image, which keeps its size. At a device pixel ratio above 1 widths, marks
// and fonts grow with it, so the window looks the same at any scale.
void RenderDocument(TGraphicsManager& document, QImage& image, double pixelRatio = 1.0);

}  // namespace vg
