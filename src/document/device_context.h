#pragma once

#include <cmath>

namespace vg {

// How the current output device differs from the screen. Drawing reads the
// pixel sizes from the option records and scales them here, so the records
// themselves never change while a picture or a page is drawn.
struct DeviceContext {
    // Device scale factors: the ratio of the output's resolution to the
    // screen's (mark lengths, label distances, margins, equal scale).
    long double ScaleX = 1;
    long double ScaleY = 1;
    // Multiplier of graph line widths (a whole number when printing).
    long double GraphWidthScale = 1;
    // Multiplier of the font sizes taken from the records.
    long double FontScale = 1;
    // Everything but the background and the graphs' shading in black.
    bool BlackAndWhite = false;

    long double Scale() const { return ScaleX < ScaleY ? ScaleX : ScaleY; }
};

// The device of a picture drawn at the given scale factor: widths and fonts
// grow with it, so the picture looks like the window enlarged.
inline DeviceContext PictureDeviceContext(long double scale)
{
    DeviceContext d;
    d.ScaleX = d.ScaleY = d.GraphWidthScale = d.FontScale = scale;
    return d;
}

// A pixel size from a record on this device: at least 1.
inline int ScaledPixels(long double size, long double factor)
{
    long double v = std::nearbyint(size * factor);
    if (!(v >= 1)) return 1;
    if (v > 10000) return 10000;
    return static_cast<int>(v);
}

}  // namespace vg
