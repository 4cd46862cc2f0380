#pragma once

#include <string>

namespace vg {

// The user's base folders of the freedesktop base-directory rules:
// $XDG_DATA_HOME (else ~/.local/share) and $XDG_CONFIG_HOME (else ~/.config).
// A relative value is invalid there and is ignored.
std::string XdgDataHome();
std::string XdgConfigHome();

}  // namespace vg
