#include "setup/installation.h"

#include <algorithm>
#include <system_error>

#include "platform/atomic_file.h"
#include "setup/progress.h"
#include "setup/zip_extract.h"

namespace vg {
namespace {

namespace fs = std::filesystem;

// Names the uninstall list keeps one per line cannot hold a line break.
bool CanBeListed(std::string_view name)
{
    return name.find_first_of("\r\n") == std::string_view::npos && !InstalledRelativeName(name).empty();
}

// The programs of the install folder: they must stay executable even from
// an archive that keeps no Unix modes.
bool IsKnownProgram(std::string_view relative)
{
    return relative == "bin/VGraph" || relative == "bin/vgraph-cli" || relative == "uninstall";
}

}  // namespace

int InstallProgressPosition(std::uint64_t done, std::uint64_t current, std::uint16_t percent, std::uint64_t total)
{
    if (total == 0)
        return 100;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(done) * 100u +
                                     static_cast<unsigned __int128>(std::min<std::uint16_t>(percent, 100)) * current;
    return static_cast<int>(std::min<unsigned __int128>(scaled / total, 100));
}

TInstallation::TInstallation(fs::path archive, std::string installFolder)
    : archive_(std::move(archive)), folder_(std::move(installFolder))
{
}

int TInstallation::Prepare()
{
    ArchiveListing listing = ListArchive(archive_);
    entries_ = std::move(listing.Entries);
    total_ = 0;
    for (const ArchiveEntry& e : entries_)
        total_ += e.Size;
    return listing.Result;
}

std::string TInstallation::UninstallListPath() const
{
    return folder_ + "/" + kUninstallListName;
}

void TInstallation::ExtractAll(ExtractionObserver& observer)
{
    std::error_code ec;
    fs::create_directory(folder_, ec);
    done_ = 0;
    for (const ArchiveEntry& entry : entries_) {
        const int result = ExtractOne(entry, observer);
        if (result != kExtractOk)
            failures_.push_back({entry.Name, result});
        observer.EntryFinished(entry.Name, result);
        done_ += entry.Size;
        observer.ProgressChanged(InstallProgressPosition(done_, 0, 0, total_));
    }
    // The list goes to disk even when entries failed, so that the
    // uninstaller (or an abort) can remove what did arrive.
    if (!WriteUninstallList())
        failures_.push_back({kUninstallListName, kExtractCannotWrite});
}

int TInstallation::ExtractOne(const ArchiveEntry& entry, ExtractionObserver& observer)
{
    if (!CanBeListed(entry.Name))
        return kExtractMalformed;
    const bool isFolder = IsDirectoryEntry(entry);
    const std::string relative = InstalledRelativeName(entry.Name);
    list_.AddEntry(entry.Name, isFolder);
    if (!isFolder)
        observer.FileStarted(entry.Name);
    const std::uint64_t current = entry.Size;
    const ProgressCallback notify = [&](std::uint16_t& percent) {
        if (percent <= 100)
            observer.ProgressChanged(InstallProgressPosition(done_, current, percent, total_));
    };
    const int result = ExtractEntryToFolder(archive_, folder_, entry, notify);
    if (result != kExtractOk || isFolder)
        return result;
    installed_.push_back(relative);
    MakeProgramRunnable(relative);
    if (IsLanguageFileName(relative))
        languages_.Add(folder_ + "/" + relative);
    return kExtractOk;
}

void TInstallation::MakeProgramRunnable(const std::string& relative) const
{
    if (!IsKnownProgram(relative))
        return;
    std::error_code ec;
    const fs::path path = folder_ + "/" + relative;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec)
        return;
    fs::perms add = fs::perms::owner_exec;
    if ((perms & fs::perms::group_read) != fs::perms::none)
        add |= fs::perms::group_exec;
    if ((perms & fs::perms::others_read) != fs::perms::none)
        add |= fs::perms::others_exec;
    fs::permissions(path, add, fs::perm_options::add, ec);
}

bool TInstallation::RecordIntegrationFiles(const std::vector<std::string>& files)
{
    for (const std::string& file : files)
        list_.AddIntegrationFile(file);
    return WriteUninstallList();
}

bool TInstallation::WriteUninstallList() const
{
    return WriteFileAtomically(UninstallListPath(), list_.Format());
}

}  // namespace vg
