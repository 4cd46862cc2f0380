#pragma once

// No Qt types here: vgraph-cli includes this header.

#include <memory>

#include "platform/canvas.h"

namespace vg {

// A canvas over an image of its own (white, 96 dpi like a window's backing
// image), where a program without windows measures texts and finds the plot
// rectangle exactly as a document window of that size does. Needs a
// QGuiApplication (see EnsureOffscreenGuiApplication).
std::unique_ptr<Canvas> CreateImageCanvas(int width, int height);

}  // namespace vg
