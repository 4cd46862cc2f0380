#pragma once

#include <string>
#include <vector>

namespace vg {

struct UninstallResult {
    bool ListRead = false;             // UnInst.inf was found and read
    std::vector<std::string> Removed;  // absolute paths, in the order removed
    std::vector<std::string> Failed;   // listed paths that exist but could not be removed
};

// Removes an installed copy: every file UnInst.inf lists, then its folders
// when they are empty, the integration files it lists, UnInst.inf itself and
// finally the install folder when it is empty. Names that could leave the
// install folder, paths below a symbolic link, and absolute paths that are
// not integration files of ours are never touched.
UninstallResult RemoveInstallation(const std::string& installFolder);

}  // namespace vg
