#pragma once

#include <string>
#include <vector>

#include "setup/installation.h"

namespace vg {

// The installer's own texts. Setup shows them in English: it has no
// dictionary of its own and links nothing of VGraph's translation.
namespace setup_text {
inline constexpr const char* kApplicationTitle = "Vantor Graphs Setup";
inline constexpr const char* kProductName = "Vantor Graphs";
inline constexpr const char* kVersion = "Version 1.21";
inline constexpr const char* kInformationLine = "Plotting and analysing mathematical functions";
inline constexpr const char* kWelcomeCaption = "Welcome";
inline constexpr const char* kWelcome = "Welcome to the Vantor Graphs Setup!";
inline constexpr const char* kLicenseCaption = "License";
inline constexpr const char* kLicenseQuestion = "Do you accept this License Agreement?";
inline constexpr const char* kFolderCaption = "Select Directory";
inline constexpr const char* kFolderLine1 = "Please select the directory where program";
inline constexpr const char* kFolderLine2 = "files are to be installed";
inline constexpr const char* kBrowse = "Browse...";
inline constexpr const char* kIncorrectDirectory = "Incorrect directory name";
inline constexpr const char* kAbortQuestion = "Do you want to abort the installation?";
inline constexpr const char* kInstallCaption = "Setup";
inline constexpr const char* kPreparation = "Preparation for copying of files...";
inline constexpr const char* kLanguageCaption = "Select Language";
inline constexpr const char* kLanguagePrompt = "Select interface language:";
inline constexpr const char* kInputOutputError = "Input-output error";
inline constexpr const char* kFailedSummary = "These files could not be installed:";
inline constexpr const char* kContinueQuestion = "Do you want to continue the installation?";
inline constexpr const char* kUninstallCaption = "Uninstall Vantor Graphs";
}  // namespace setup_text

// "Extracting NAME..."
std::string ExtractingText(const std::string& name);
// The progress window's line once entries failed: "Files not installed: N".
std::string FailedCountText(std::size_t count);
// Why an entry failed, from ExtractEntry's result.
std::string ExtractResultText(int result);
// The summary after the extraction: the failed entries with their reasons,
// then the question whether to go on.
std::string FailureSummaryText(const std::vector<FailedEntry>& failures);
// "Cannot read the archive PATH"
std::string UnreadableArchiveText(const std::string& path);
// The uninstaller's question and its closing line.
std::string UninstallQuestionText(const std::string& folder);
std::string UninstalledText(const std::string& folder);

}  // namespace vg
