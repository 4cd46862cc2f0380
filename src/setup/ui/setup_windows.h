#pragma once

#include <string>

#include "setup/setup_flow.h"

namespace vg::installer {

// The installation with its windows over the backdrop; a QApplication must
// exist. Returns the flow's exit status. An input/output exception ends it
// with "Input-output error", any other with its own message.
int RunSetupWindowsFlow(const InstallOptions& options);

// The uninstaller's question and result boxes around RemoveInstallation; a
// QApplication must exist. Removed paths are printed on stdout.
int RunUninstallWindowsFlow(const std::string& installFolder);

// The program entries: create the application object, then run the flows.
int RunSetupWindows(int argc, char** argv, const InstallOptions& options);
int RunUninstallWindows(int argc, char** argv, const std::string& installFolder);

}  // namespace vg::installer
