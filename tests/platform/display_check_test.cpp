#include "platform/display_check.h"

#include <gtest/gtest.h>

namespace vg {
namespace {

TEST(DisplayCheck, findsADisplay_orSaysInOneLineWhichOneIsMissing)
{
    struct Row {
        const char* platform;
        const char* x11;
        const char* wayland;
        const char* missing;  // a part of the reason, or "" when there is a display
    } rows[] = {
        {"", ":0", "", ""},
        {"", "", "wayland-0", ""},
        {"", "", "", "DISPLAY and WAYLAND_DISPLAY are not set"},
        {"xcb", "", "wayland-0", "DISPLAY is not set"},
        {"xcb", ":1", "", ""},
        {"wayland", ":0", "", "WAYLAND_DISPLAY is not set"},
        {"wayland-egl", "", "wayland-0", ""},
        {"offscreen", "", "", ""},
        {"vnc", "", "", ""},
    };
    for (const Row& r : rows) {
        const std::string reason = MissingDisplayReason({r.platform, r.x11, r.wayland});
        if (*r.missing == '\0') {
            EXPECT_EQ(reason, "") << r.platform << "|" << r.x11 << "|" << r.wayland;
        } else {
            EXPECT_NE(reason.find(r.missing), std::string::npos) << reason;
            EXPECT_EQ(reason.find('\n'), std::string::npos) << reason;
        }
    }
}

}  // namespace
}  // namespace vg
