#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "setup/install_languages.h"
#include "setup/uninstall_list.h"
#include "setup/zip_archive.h"

namespace vg {

// The progress bar while an entry is extracted: (Done * 100 + percent *
// Current) / Total in 64 bits, capped at 100; an empty Total counts as
// complete.
int InstallProgressPosition(std::uint64_t done, std::uint64_t current, std::uint16_t percent, std::uint64_t total);

struct FailedEntry {
    std::string Name;
    int Result = 0;
};

// What the extraction tells its window.
class ExtractionObserver {
public:
    virtual ~ExtractionObserver() = default;
    virtual void FileStarted(const std::string& name) = 0;  // file entries only
    virtual void ProgressChanged(int position) = 0;         // 0..100; may pump events
    virtual void EntryFinished(const std::string& name, int result) = 0;
};

// Extracts the archive into the install folder and keeps what the later
// steps need: the results, the installed language files and the list for
// the uninstaller.
class TInstallation {
public:
    TInstallation(std::filesystem::path archive, std::string installFolder);

    // Reads the archive's directory and adds up the sizes; the result of
    // FirstArchiveEntry (negative: the archive cannot be read).
    int Prepare();
    std::uint64_t Total() const { return total_; }
    const std::vector<ArchiveEntry>& Entries() const { return entries_; }

    // Creates the install folder, extracts every entry and writes the
    // uninstall list. Every entry's result is examined: failures are kept.
    void ExtractAll(ExtractionObserver& observer);

    const std::vector<FailedEntry>& Failures() const { return failures_; }
    const InstalledLanguages& Languages() const { return languages_; }
    const std::string& Folder() const { return folder_; }
    // Relative names of the files that were extracted.
    const std::vector<std::string>& InstalledFiles() const { return installed_; }

    // Adds the integration files and writes the uninstall list again.
    bool RecordIntegrationFiles(const std::vector<std::string>& files);
    bool WriteUninstallList() const;

    std::string UninstallListPath() const;

private:
    int ExtractOne(const ArchiveEntry& entry, ExtractionObserver& observer);
    void MakeProgramRunnable(const std::string& relative) const;

    std::filesystem::path archive_;
    std::string folder_;
    std::vector<ArchiveEntry> entries_;
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    std::vector<FailedEntry> failures_;
    std::vector<std::string> installed_;
    InstalledLanguages languages_;
    UninstallList list_;
};

}  // namespace vg
