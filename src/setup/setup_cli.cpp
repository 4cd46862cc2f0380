#include "setup/setup_cli.h"

#include <cstdio>
#include <optional>
#include <sstream>

#include "setup/install_folder.h"
#include "setup/setup_flow.h"
#include "setup/setup_texts.h"
#include "setup/uninstall_list.h"
#include "setup/uninstaller.h"
#include "setup/zip_archive.h"
#include "setup/zip_extract.h"

namespace vg {
namespace {

constexpr const char* kUsage =
    "Usage: setup --list ARCHIVE\n"
    "       setup --extract ARCHIVE DIR\n"
    "       setup --install [ARCHIVE] [--dir DIR] [--language NAME] [--no-integration] [--yes]\n";
constexpr const char* kUninstallUsage = "Usage: uninstall [--yes]\n";

std::string Hex8(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

void ReportUnreadable(const std::string& archive, int result, std::ostream& err)
{
    err << "setup: cannot read the archive \"" << archive << "\" (" << result << ")\n";
}

int ListEntries(const std::string& archive, std::ostream& out, std::ostream& err)
{
    const ArchiveListing listing = ListArchive(archive);
    if (listing.Result < 0) {
        ReportUnreadable(archive, listing.Result, err);
        return kSetupExitFailed;
    }
    for (const ArchiveEntry& e : listing.Entries)
        out << e.Name << '\t' << e.Method << '\t' << e.Size << '\t' << e.CompressedSize << '\t' << Hex8(e.Crc)
            << '\n';
    return kSetupExitOk;
}

int ExtractAll(const std::string& archive, const std::string& folder, std::ostream& out, std::ostream& err)
{
    const ArchiveListing listing = ListArchive(archive);
    if (listing.Result < 0) {
        ReportUnreadable(archive, listing.Result, err);
        return kSetupExitFailed;
    }
    bool allOk = true;
    for (const ArchiveEntry& e : listing.Entries) {
        const int result = ExtractEntryToFolder(archive, folder, e);
        out << e.Name << '\t' << result << '\n';
        allOk = allOk && result == kExtractOk;
    }
    return allOk ? kSetupExitOk : kSetupExitFailed;
}

// A yes/no question on the terminal: the text on err, the answer from in.
bool AskYesNo(const std::string& question, std::istream& in, std::ostream& err)
{
    err << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(in, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

struct InstallArguments {
    std::optional<std::string> Archive;
    std::optional<std::string> Folder;
    std::optional<std::string> Language;
    bool Integration = true;
    bool Yes = false;
};

std::optional<InstallArguments> ParseInstallArguments(const std::vector<std::string>& args)
{
    InstallArguments parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--dir" && hasValue && !parsed.Folder)
            parsed.Folder = args[++i];
        else if (a == "--language" && hasValue && !parsed.Language)
            parsed.Language = args[++i];
        else if (a == "--no-integration")
            parsed.Integration = false;
        else if (a == "--yes")
            parsed.Yes = true;
        else if (!a.starts_with("--") && !parsed.Archive)
            parsed.Archive = a;
        else
            return std::nullopt;
    }
    return parsed;
}

// True when the name is English or the menu name of a language file of the
// archive.
bool ArchiveHasLanguage(const std::string& archive, const std::string& name)
{
    InstalledLanguages languages;
    for (const ArchiveEntry& e : ListArchive(archive).Entries)
        if (!IsDirectoryEntry(e) && IsLanguageFileName(e.Name))
            languages.Add(e.Name);
    return languages.ItemNamed(name) >= 0;
}

class ConsoleObserver : public ExtractionObserver {
public:
    explicit ConsoleObserver(std::ostream& out) : out_(out) {}
    void FileStarted(const std::string&) override {}
    void ProgressChanged(int) override {}
    void EntryFinished(const std::string& name, int result) override { out_ << name << '\t' << result << '\n'; }

private:
    std::ostream& out_;
};

// The installation's pages without windows.
class ConsoleFrontEnd : public InstallFrontEnd {
public:
    ConsoleFrontEnd(const InstallArguments& args, std::istream& in, std::ostream& out, std::ostream& err)
        : args_(args), in_(in), out_(out), err_(err), observer_(out)
    {
    }

    void ShowWelcome() override {}

    bool AcceptLicense(const std::string& licenseText) override
    {
        if (args_.Yes)
            return true;
        err_ << licenseText << '\n';
        if (AskYesNo(setup_text::kLicenseQuestion, in_, err_))
            return true;
        err_ << "setup: the License Agreement was not accepted\n";
        return false;
    }

    std::optional<std::string> ChooseFolder(const std::string& proposed) override
    {
        const std::string folder = NormalizeInstallFolder(args_.Folder.value_or(proposed));
        if (IsAcceptableInstallFolder(folder))
            return folder;
        err_ << "setup: " << setup_text::kIncorrectDirectory << ": " << folder << '\n';
        return std::nullopt;
    }

    ExtractionObserver& BeginExtraction() override { return observer_; }

    bool ContinueAfterFailures(const std::vector<FailedEntry>& failures) override
    {
        for (const FailedEntry& f : failures)
            err_ << "setup: " << f.Name << ": " << ExtractResultText(f.Result) << '\n';
        if (args_.Yes || AskYesNo(setup_text::kContinueQuestion, in_, err_))
            return true;
        err_ << "setup: the installation was aborted\n";
        return false;
    }

    void EndExtraction() override {}

    std::size_t ChooseLanguage(const std::vector<std::string>& items) override
    {
        if (!args_.Language)
            return 0;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (SameLanguageName(items[i], *args_.Language))
                return i;
        err_ << "setup: the language " << *args_.Language << " was not installed; English is in force\n";
        return 0;
    }

    void IntegrationWritten(const std::vector<std::string>& files) override
    {
        for (const std::string& file : files)
            out_ << file << '\n';
    }

    void ShowError(const std::string& text) override { err_ << "setup: " << text << '\n'; }

private:
    const InstallArguments& args_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    ConsoleObserver observer_;
};

int Install(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const std::optional<InstallArguments> parsed = ParseInstallArguments(args);
    if (!parsed) {
        err << kUsage;
        return kSetupExitUsage;
    }
    const std::string archive = parsed->Archive.value_or(DefaultArchivePath().string());
    if (parsed->Language && !ArchiveHasLanguage(archive, *parsed->Language)) {
        err << "setup: the archive holds no language " << *parsed->Language << '\n';
        return kSetupExitUsage;
    }
    ConsoleFrontEnd ui(*parsed, in, out, err);
    return RunInstallFlow(ui, InstallOptions{archive, parsed->Integration});
}

}  // namespace

bool IsHeadlessSetupCommand(const std::vector<std::string>& args)
{
    return !args.empty() && (args[0] == "--list" || args[0] == "--extract" || args[0] == "--install");
}

int RunSetupCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        out << kUsage;
        return kSetupExitOk;
    }
    if (!IsHeadlessSetupCommand(args) && !args.empty())
        err << "setup: unknown option '" << args[0] << "'; 'setup --help' lists the modes\n";
    if (args.size() == 2 && args[0] == "--list")
        return ListEntries(args[1], out, err);
    if (args.size() == 3 && args[0] == "--extract")
        return ExtractAll(args[1], args[2], out, err);
    if (!args.empty() && args[0] == "--install")
        return Install(args, in, out, err);
    err << kUsage;
    return kSetupExitUsage;
}

int RunSetupCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::istringstream noAnswers;
    return RunSetupCommand(args, noAnswers, out, err);
}

int UninstallAndReport(const std::string& installFolder, std::ostream& out, std::ostream& err)
{
    const UninstallResult result = RemoveInstallation(installFolder);
    if (!result.ListRead) {
        err << "uninstall: cannot read " << installFolder << '/' << kUninstallListName << '\n';
        return kSetupExitFailed;
    }
    for (const std::string& path : result.Removed)
        out << path << '\n';
    for (const std::string& path : result.Failed)
        err << "uninstall: cannot remove " << path << '\n';
    return result.Failed.empty() ? kSetupExitOk : kSetupExitFailed;
}

int RunUninstallCommand(const std::vector<std::string>& args, const std::string& installFolder, std::istream& in,
                        std::ostream& out, std::ostream& err)
{
    const bool yes = args.size() == 1 && args[0] == "--yes";
    if (!args.empty() && !yes) {
        err << kUninstallUsage;
        return kSetupExitUsage;
    }
    if (!yes && !AskYesNo(UninstallQuestionText(installFolder), in, err))
        return kSetupExitFailed;
    return UninstallAndReport(installFolder, out, err);
}

}  // namespace vg
