#include "platform/display_check.h"

namespace vg {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

std::string MissingDisplayReason(const DisplayEnvironment& e)
{
    constexpr const char* kInstead = "; vgraph-cli works without one";
    const std::string_view platform = e.Platform;
    if (StartsWith(platform, "xcb")) {
        if (!e.X11Display.empty()) return {};
        return std::string("no X display to show the windows on (DISPLAY is not set)") + kInstead;
    }
    if (StartsWith(platform, "wayland")) {
        if (!e.WaylandDisplay.empty()) return {};
        return std::string("no Wayland display to show the windows on (WAYLAND_DISPLAY is not set)") + kInstead;
    }
    // Any other named platform (offscreen, vnc, eglfs...) brings its own output.
    if (!platform.empty()) return {};
    if (!e.X11Display.empty() || !e.WaylandDisplay.empty()) return {};
    return std::string("no display to show the windows on (DISPLAY and WAYLAND_DISPLAY are not set)") + kInstead;
}

}  // namespace vg
