#include "setup/xdg_dirs.h"

#include <cstdlib>

namespace vg {
namespace {

std::string FromEnvironment(const char* variable, const char* homeRelative)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/')
        return value;
    const char* home = std::getenv("HOME");
    std::string base = home != nullptr && home[0] != '\0' ? home : ".";
    if (base.back() != '/')
        base += '/';
    return base + homeRelative;
}

}  // namespace

std::string XdgDataHome()
{
    return FromEnvironment("XDG_DATA_HOME", ".local/share");
}

std::string XdgConfigHome()
{
    return FromEnvironment("XDG_CONFIG_HOME", ".config");
}

}  // namespace vg
