#include "setup/setup_flow.h"

#include "platform/config_paths.h"
#include "setup/desktop_integration.h"
#include "setup/install_folder.h"
#include "setup/languages_key.h"
#include "setup/setup_texts.h"
#include "setup/uninstaller.h"
#include "setup/zip_extract.h"

namespace vg {
namespace {

bool ExtractEverything(InstallFrontEnd& ui, TInstallation& installation)
{
    installation.ExtractAll(ui.BeginExtraction());
    if (installation.Failures().empty() || ui.ContinueAfterFailures(installation.Failures()))
        return true;
    RemoveInstallation(installation.Folder());
    ui.EndExtraction();
    return false;
}

bool ApplyLanguageChoice(InstallFrontEnd& ui, const TInstallation& installation)
{
    const InstalledLanguages& languages = installation.Languages();
    const std::vector<std::string> items = languages.Items();
    std::size_t chosen = ui.ChooseLanguage(items);
    if (chosen >= items.size())
        chosen = 0;
    if (WriteLanguagesSetting(languages.SettingFor(chosen)))
        return true;
    ui.ShowError("Cannot write the settings file " + ProgramSettingsPath());
    return false;
}

bool IntegrateWithDesktop(InstallFrontEnd& ui, TInstallation& installation)
{
    const IntegrationResult result = WriteDesktopIntegration(installation.Folder(), installation.InstalledFiles());
    const bool listed = installation.RecordIntegrationFiles(result.Written);
    ui.IntegrationWritten(result.Written);
    for (const std::string& file : result.Failed)
        ui.ShowError("Cannot write " + file);
    if (!listed)
        ui.ShowError("Cannot write " + installation.UninstallListPath());
    return result.Failed.empty() && listed;
}

}  // namespace

std::filesystem::path DefaultArchivePath()
{
    return std::filesystem::path(ExecutableDir()) / "Setup.dat";
}

int RunInstallFlow(InstallFrontEnd& ui, const InstallOptions& options)
{
    TInstallation probe(options.Archive, {});
    if (probe.Prepare() < 0 || probe.Entries().empty()) {
        ui.ShowError(UnreadableArchiveText(options.Archive.string()));
        return kInstallIncomplete;
    }
    ui.ShowWelcome();
    if (!ui.AcceptLicense(LicenseText()))
        return kInstallIncomplete;
    const std::optional<std::string> folder = ui.ChooseFolder(DefaultInstallFolder());
    if (!folder)
        return kInstallIncomplete;

    TInstallation installation(options.Archive, *folder);
    installation.Prepare();
    if (!ExtractEverything(ui, installation))
        return kInstallIncomplete;
    ui.EndExtraction();
    bool complete = installation.Failures().empty();
    complete = ApplyLanguageChoice(ui, installation) && complete;
    if (options.Integration)
        complete = IntegrateWithDesktop(ui, installation) && complete;
    return complete ? kInstallComplete : kInstallIncomplete;
}

}  // namespace vg
