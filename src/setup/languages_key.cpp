#include "setup/languages_key.h"

#include "platform/config_paths.h"
#include "platform/profile_file.h"

namespace vg {

std::string ProgramSettingsPath()
{
    return ConfigFilePath(kProgramSettingsName);
}

std::optional<std::string> ReadLanguagesSetting()
{
    const ProfileFile settings(ProgramSettingsPath());
    if (!settings.Readable())
        return std::nullopt;
    return settings.ReadString("Common", "Languages", "");
}

bool WriteLanguagesSetting(const std::string& value)
{
    ProfileFile settings(ProgramSettingsPath());
    return settings.Readable() && settings.WriteString("Common", "Languages", value);
}

}  // namespace vg
