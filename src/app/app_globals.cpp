#include "app/app_globals.h"

#include "app/default_options.h"
#include "platform/config_paths.h"
#include "platform/profile_file.h"

namespace vg {

TProgramOptions& ProgramOptions()
{
    static TProgramOptions options;
    return options;
}

DocumentOptions& GlobalDocumentOptions()
{
    static DocumentOptions options = DefaultDocumentOptions();
    return options;
}

ViewSettings& GlobalViewSettings()
{
    static ViewSettings view = DefaultViewSettings();
    return view;
}

std::string ProgramOptionsPath() { return ConfigFilePath("VGraph.ini"); }

std::string DefaultOptionsPath() { return ConfigFilePath("VGraph.cfg"); }

void ReadProgramOptions(int screenWidth, int screenHeight)
{
    const ProfileFile file(ProgramOptionsPath());
    ReadProgramOptions(ProgramOptions(), file, screenWidth, screenHeight);
}

bool WriteProgramOptions()
{
    ProfileFile file(ProgramOptionsPath());
    return WriteProgramOptions(ProgramOptions(), file);
}

void ReadDefaultOptions()
{
    ReadDefaultOptions(DefaultOptionsPath(), GlobalDocumentOptions(), GlobalViewSettings());
}

bool WriteDefaultOptions()
{
    const std::string path = DefaultOptionsPath();
    return PrepareConfigFolderFor(path) && WriteDefaultOptions(path, GlobalDocumentOptions(), GlobalViewSettings());
}

}  // namespace vg
