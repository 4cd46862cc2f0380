#include "setup/install_folder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "setup/xdg_dirs.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderName = "vantor-graphs";

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool HasUnrepresentableCharacter(std::string_view folder)
{
    for (const char c : folder)
        if (c == '?' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

}  // namespace

std::string DefaultInstallFolder()
{
    if (::geteuid() == 0)
        return std::string("/opt/") + kFolderName;
    return XdgDataHome() + "/" + kFolderName;
}

std::string NormalizeInstallFolder(std::string_view text)
{
    std::string folder(Trimmed(text));
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (folder.empty())
        return folder;
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    return ec ? folder : absolute.string();
}

std::string FolderForChoice(std::string_view chosen)
{
    std::string folder(chosen);
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder + kFolderName;
}

bool IsAcceptableInstallFolder(const std::string& folder)
{
    if (folder.empty() || HasUnrepresentableCharacter(folder))
        return false;
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    // One level only, as the install itself creates it.
    if (!fs::create_directory(folder, ec) || ec)
        return false;
    fs::remove(folder, ec);
    return true;
}

}  // namespace vg
