// Feeds arbitrary bytes to the readers of the uninstaller's inputs: the
// UnInst.inf lines, the Languages setting and mimeapps.list. Whatever the
// input, a line is either refused or names a path inside the install folder
// or one of our integration files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "setup/desktop_integration.h"
#include "setup/install_languages.h"
#include "setup/uninstall_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : vg::ParseUninstallList(text)) {
        if (line.find('\n') != std::string::npos)
            std::abort();
        const std::string relative = vg::InstalledRelativeName(line);
        if (relative.starts_with("/") || relative.starts_with("../") || relative == ".." ||
            relative.find("/../") != std::string::npos)
            std::abort();
        if (vg::IsIntegrationFilePath(line) && line.find("/../") != std::string::npos)
            std::abort();
        (void)vg::IntegrationTargetFor(line);
    }
    const std::string kept = vg::WithoutLanguagesBelow(text, "/opt/vantor-graphs");
    if (kept.size() > text.size())
        std::abort();
    const std::string added = vg::WithDefaultApplication(text);
    (void)vg::WithoutDefaultApplication(added);
    vg::InstalledLanguages languages;
    languages.Add(std::string(text));
    (void)languages.SettingFor(1);
    return 0;
}
