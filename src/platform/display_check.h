#pragma once

#include <string>
#include <string_view>

namespace vg {

// What the windowing platform needs, as the program finds it before any
// window code starts: the platform named on the command line ("-platform
// NAME") or in QT_QPA_PLATFORM, and the X and Wayland display variables.
struct DisplayEnvironment {
    std::string_view Platform;        // empty: the default (X or Wayland)
    std::string_view X11Display;      // DISPLAY
    std::string_view WaylandDisplay;  // WAYLAND_DISPLAY
};

// Empty when the windows have somewhere to go; otherwise the one line that
// says why not (without the program name).
std::string MissingDisplayReason(const DisplayEnvironment& environment);

}  // namespace vg
