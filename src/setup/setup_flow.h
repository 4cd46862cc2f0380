#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "setup/installation.h"

namespace vg {

// The pages of the installation, as the windows (or the headless mode)
// present them. The flow calls them in a fixed order; there is no going back.
class InstallFrontEnd {
public:
    virtual ~InstallFrontEnd() = default;
    virtual void ShowWelcome() = 0;
    virtual bool AcceptLicense(const std::string& licenseText) = 0;
    // The accepted install folder (already probed), nothing when the user
    // aborts the installation.
    virtual std::optional<std::string> ChooseFolder(const std::string& proposed) = 0;
    virtual ExtractionObserver& BeginExtraction() = 0;
    // After failed entries: true to go on, false to abort (what arrived is
    // then removed again).
    virtual bool ContinueAfterFailures(const std::vector<FailedEntry>& failures) = 0;
    virtual void EndExtraction() = 0;
    // The chosen item of the language page (0 = English).
    virtual std::size_t ChooseLanguage(const std::vector<std::string>& items) = 0;
    virtual void IntegrationWritten(const std::vector<std::string>& files) = 0;
    virtual void ShowError(const std::string& text) = 0;
};

struct InstallOptions {
    std::filesystem::path Archive;
    bool Integration = true;
};

// The exit statuses of an installation.
inline constexpr int kInstallComplete = 0;
inline constexpr int kInstallIncomplete = 1;  // refused, aborted or an entry failed

// Welcome, licence, folder, extraction, language, then the settings key and
// the desktop integration. kInstallComplete only when every entry and every
// file of the later steps was written.
int RunInstallFlow(InstallFrontEnd& ui, const InstallOptions& options);

// The archive beside the running setup program.
std::filesystem::path DefaultArchivePath();

// The licence agreement shown before the installation.
const char* LicenseText();

}  // namespace vg
