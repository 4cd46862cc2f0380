#include "platform/config_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vg {

namespace {

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool IsDirectory(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

bool HasDirectoryPart(const std::string& name)
{
    return name.find('/') != std::string::npos;
}

std::string ConfigDir()
{
    std::string dir = EnvironmentValue("VGRAPH_CONFIG_DIR");
    if (!dir.empty()) return dir;
    // XDG says a relative value is invalid and must be ignored.
    dir = EnvironmentValue("XDG_CONFIG_HOME");
    if (!dir.empty() && dir.front() == '/') return JoinPath(dir, "VGraph");
    const std::string home = EnvironmentValue("HOME");
    const std::string base = home.empty() ? std::string("./.config") : JoinPath(home, ".config");
    return JoinPath(base, "VGraph");
}

std::string ConfigFilePath(const std::string& name)
{
    if (HasDirectoryPart(name)) return name;
    return JoinPath(ConfigDir(), name);
}

bool PrepareConfigFolderFor(const std::string& path)
{
    const std::string dir = ConfigDir();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return true;
    std::string folder = path.substr(0, slash);
    std::string configFolder = dir;
    while (configFolder.size() > 1 && configFolder.back() == '/') configFolder.pop_back();
    if (folder != configFolder || IsDirectory(folder)) return true;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return !ec;
}

std::string ExecutableDir()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string();
    return exe.parent_path().string();
}

std::string ProgramLanguageDir()
{
    std::string dir = EnvironmentValue("VGRAPH_LANG_DIR");
    if (!dir.empty()) return dir;
    std::string exeDir = ExecutableDir();
    if (exeDir.empty()) return std::string();
    std::filesystem::path prefix = std::filesystem::path(exeDir).parent_path();
    std::string buildTree = (prefix / "data" / "lang").string();
    if (IsDirectory(buildTree)) return buildTree;
    return (prefix / "share" / "vgraph" / "lang").string();
}

}  // namespace vg
