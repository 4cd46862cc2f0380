#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vg {

// Results of FirstArchiveEntry and NextArchiveEntry.
inline constexpr int kEntryReturned = 0;
inline constexpr int kNoMoreEntries = 1;       // also: the directory is malformed
inline constexpr int kArchiveUnreadable = -1;  // cannot open or read, empty, no end record
inline constexpr int kEndRecordTooEarly = -2;  // FirstArchiveEntry
inline constexpr int kNoArchiveOpen = -2;      // NextArchiveEntry

struct DirectoryWalk;

// One central-directory entry, plus the state of the walk that produced it.
struct ArchiveEntry {
    std::uint32_t Size = 0;
    std::uint32_t CompressedSize = 0;
    std::uint32_t DateTime = 0;  // MS-DOS date-time, time in the low half
    std::uint32_t Crc = 0;
    std::uint32_t HeaderOffset = 0;
    std::uint16_t Attributes = 0;  // DOS attributes (archives made on MS-DOS or Unix)
    std::uint16_t UnixMode = 0;    // type and permission bits (archives made on Unix), else 0
    std::uint16_t Method = 0;
    std::uint16_t Flags = 0;
    std::string Name;  // UTF-8, folders separated by "/"

    std::shared_ptr<DirectoryWalk> Walk;  // released when the walk ends
};

int FirstArchiveEntry(const std::filesystem::path& archivePath, ArchiveEntry& entry);
int NextArchiveEntry(ArchiveEntry& entry);
void CloseArchive(ArchiveEntry& entry);

// A folder entry: directory attribute or type, or a name ending in "/".
bool IsDirectoryEntry(const ArchiveEntry& entry);

// The attributes argument of ExtractEntry for this entry.
std::uint32_t ExtractionAttributes(const ArchiveEntry& entry);

// Every entry of an archive (walk state dropped); result as FirstArchiveEntry,
// with kNoMoreEntries turned into kEntryReturned once at least one entry came.
struct ArchiveListing {
    int Result = kArchiveUnreadable;
    std::vector<ArchiveEntry> Entries;
};
ArchiveListing ListArchive(const std::filesystem::path& archivePath);

}  // namespace vg
