#pragma once

#include <string>
#include <string_view>

namespace vg {

// The folder offered on the folder page: $XDG_DATA_HOME/vantor-graphs for a
// user, /opt/vantor-graphs when setup runs as root.
std::string DefaultInstallFolder();

// The folder page's text as the install folder: trimmed, one trailing "/"
// removed, made absolute against the current folder.
std::string NormalizeInstallFolder(std::string_view text);

// The edit field's text after a folder was chosen with "Browse...".
std::string FolderForChoice(std::string_view chosen);

// The folder page's probe: a folder that exists is accepted; one that does
// not is accepted when it can be created (it is removed again at once).
// Names the Languages setting or the line-based files cannot hold ("?",
// control characters) are refused as well.
bool IsAcceptableInstallFolder(const std::string& folder);

}  // namespace vg
