#pragma once

class QImage;

namespace vg {

class TGraphicsManager;

// Draws the whole document (frame, axes, grid, titles and graphs) into the
// image, which keeps its size.
void RenderDocument(TGraphicsManager& document, QImage& image);

}  // namespace vg
