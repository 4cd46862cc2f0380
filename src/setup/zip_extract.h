#pragma once

#include <cstdint>
#include <filesystem>

#include "setup/progress.h"
#include "setup/zip_archive.h"

namespace vg {

// Results of ExtractEntry.
inline constexpr int kExtractOk = 0;
inline constexpr int kExtractCrcMismatch = 1;
inline constexpr int kExtractCannotWrite = 2;
inline constexpr int kExtractCannotRead = 3;
inline constexpr int kExtractMalformed = 4;  // also: an unsafe entry name, output beyond the declared size
inline constexpr int kExtractAborted = 5;
inline constexpr int kExtractUnsupportedMethod = 6;
inline constexpr int kExtractEncrypted = 7;
inline constexpr int kExtractBusy = -1;  // another extraction is in progress

// Extracts the entry whose local header lies at headerOffset to targetPath,
// creating the folders on the way. attributes: DOS attributes in the low half
// (0x10 folder, 0x01 read-only), the Unix type and permission bits in the
// high half (0 when unknown), as ExtractionAttributes gives them. The file is
// written beside the target under a temporary name and renamed over it only
// on success. directoryEntry, when given, supplies the sizes and CRC of an
// entry that keeps them in a data descriptor.
int ExtractEntry(const std::filesystem::path& archivePath, const std::filesystem::path& targetPath,
                 std::uint32_t attributes, const ProgressCallback& notify, std::uint32_t headerOffset,
                 const ArchiveEntry* directoryEntry = nullptr);

// Extracts a walked entry to folder/name; a name that would leave the folder
// is refused with kExtractMalformed.
int ExtractEntryToFolder(const std::filesystem::path& archivePath, const std::filesystem::path& folder,
                         const ArchiveEntry& entry, const ProgressCallback& notify = {});

}  // namespace vg
