#pragma once

// No Qt types here: vgraph-cli's render command includes this header.

#include <memory>

#include "platform/picture_devices.h"

namespace vg {

// Pictures made with Qt: bitmaps in memory (96 dots per inch), SVG, PDF and
// PNG. Needs a QGuiApplication (see EnsureOffscreenGuiApplication).
std::unique_ptr<PictureDevices> CreateQtPictureDevices();

// For programs without windows: creates a QGuiApplication on the offscreen
// platform unless one exists, so that texts can be measured and drawn.
void EnsureOffscreenGuiApplication();

}  // namespace vg
