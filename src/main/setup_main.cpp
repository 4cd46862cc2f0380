#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/config_paths.h"
#include "setup/setup_cli.h"
#include "setup/setup_flow.h"
#ifdef VG_SETUP_WINDOWS
#include "setup/ui/setup_windows.h"
#endif

namespace {

// Installed as DIR/uninstall, the same program removes that copy.
bool RunsAsUninstaller(const char* argv0)
{
    std::error_code ec;
    return std::filesystem::path(argv0).filename() == "uninstall" ||
           std::filesystem::read_symlink("/proc/self/exe", ec).filename() == "uninstall";
}

#ifdef VG_SETUP_WINDOWS
bool HasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0')
            return true;
    }
    return false;
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (RunsAsUninstaller(argv[0])) {
        const std::string folder = vg::ExecutableDir();
#ifdef VG_SETUP_WINDOWS
        if (args.empty() && HasDisplay())
            return vg::installer::RunUninstallWindows(argc, argv, folder);
#endif
        return vg::RunUninstallCommand(args, folder, std::cin, std::cout, std::cerr);
    }
    if (vg::IsHeadlessSetupCommand(args))
        return vg::RunSetupCommand(args, std::cin, std::cout, std::cerr);
#ifdef VG_SETUP_WINDOWS
    if (args.empty() && HasDisplay())
        return vg::installer::RunSetupWindows(argc, argv, vg::InstallOptions{vg::DefaultArchivePath(), true});
    if (args.empty()) {
        std::cerr << "setup: no display; setup --install installs without windows\n";
        return vg::kSetupExitFailed;
    }
#endif
    return vg::RunSetupCommand(args, std::cout, std::cerr);
}
