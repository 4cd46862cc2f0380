#include "setup/zip_archive.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "setup/byte_io.h"
#include "setup/cp437.h"
#include "setup/entry_name.h"
#include "setup/zip_format.h"

namespace vg {

// The directory (or a window of it) and the read position. A windowed walk
// keeps the archive open for refills.
struct DirectoryWalk {
    std::unique_ptr<FileHandle> File;
    std::vector<std::uint8_t> Buffer;
    std::uint64_t WindowStart = 0;  // archive offset of Buffer[0]
    std::uint64_t Position = 0;     // read position within Buffer
    std::uint64_t DirectoryEnd = 0; // archive offset just past the end record's signature
};

namespace {

constexpr std::uint64_t kSearchBlock = 4096;
constexpr std::uint64_t kDirectoryWindow = 64000;

struct EndRecord {
    std::uint64_t Offset = 0;           // E
    std::uint64_t DirectoryOffset = 0;  // D
};

// An end-record candidate is believed when its comment reaches exactly the
// end of the file, or at least when the directory it names lies before it;
// a signature inside a comment fails both and the search goes on.
bool IsConsistentEndRecord(const std::uint8_t* record, std::uint64_t offset, std::uint64_t fileSize)
{
    const std::uint64_t commentLength = ReadLe16(record + 20);
    const std::uint64_t directoryOffset = ReadLe32(record + 16);
    return offset + kEndRecordSize + commentLength == fileSize || directoryOffset <= offset;
}

std::optional<EndRecord> FindEndRecord(FileHandle& file, std::uint64_t fileSize)
{
    if (fileSize < kEndRecordSize)
        return std::nullopt;
    const std::uint64_t blockSize = std::min(kSearchBlock, fileSize);
    std::vector<std::uint8_t> block(blockSize);
    std::uint64_t start = fileSize - blockSize;
    for (;;) {
        if (!file.Seek(start) || !file.ReadExactly(block.data(), blockSize))
            return std::nullopt;
        for (std::uint64_t i = blockSize - kEndRecordSize + 1; i-- > 0;) {
            if (ReadLe32(&block[i]) == kEndRecordSignature &&
                IsConsistentEndRecord(&block[i], start + i, fileSize))
                return EndRecord{start + i, ReadLe32(&block[i + 16])};
        }
        if (start == 0)
            return std::nullopt;
        // Consecutive blocks overlap by the size of an end record.
        const std::uint64_t step = blockSize - kEndRecordSize;
        start = start > step ? start - step : 0;
    }
}

bool FillWindow(DirectoryWalk& walk)
{
    const std::uint64_t from = walk.WindowStart + walk.Position;
    if (walk.File == nullptr || from >= walk.DirectoryEnd)
        return false;
    const std::uint64_t length = std::min(kDirectoryWindow, walk.DirectoryEnd - from);
    walk.Buffer.resize(length);
    if (!walk.File->Seek(from) || !walk.File->ReadExactly(walk.Buffer.data(), length)) {
        walk.Buffer.clear();
        return false;
    }
    walk.WindowStart = from;
    walk.Position = 0;
    return true;
}

// Bytes the header at the position needs in the buffer: the fixed part,
// then also name and extra field once the fixed part is there.
std::uint64_t HeaderBytesNeeded(const DirectoryWalk& walk)
{
    const std::uint64_t left = walk.Buffer.size() - std::min<std::uint64_t>(walk.Position, walk.Buffer.size());
    if (left < kCentralHeaderSize)
        return kCentralHeaderSize;
    const std::uint8_t* h = walk.Buffer.data() + walk.Position;
    return kCentralHeaderSize + ReadLe16(h + 28) + ReadLe16(h + 30);
}

bool HeaderInBuffer(const DirectoryWalk& walk)
{
    return walk.Position <= walk.Buffer.size() &&
           walk.Buffer.size() - walk.Position >= HeaderBytesNeeded(walk);
}

std::string EntryName(std::string_view raw, std::uint16_t flags)
{
    std::string name = (flags & kFlagUtf8Name) ? std::string(raw) : Cp437ToUtf8(raw);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

void FillEntry(const std::uint8_t* h, ArchiveEntry& entry)
{
    const std::uint8_t host = h[5];
    const std::uint32_t external = ReadLe32(h + 38);
    entry.Flags = ReadLe16(h + 8);
    entry.Method = ReadLe16(h + 10);
    entry.DateTime = ReadLe32(h + 12);
    entry.Crc = ReadLe32(h + 16);
    entry.CompressedSize = ReadLe32(h + 20);
    entry.Size = ReadLe32(h + 24);
    entry.HeaderOffset = ReadLe32(h + 42);
    entry.Attributes = host == kHostMsDos || host == kHostUnix ? static_cast<std::uint16_t>(external) : 0;
    entry.UnixMode = host == kHostUnix ? static_cast<std::uint16_t>(external >> 16) : 0;
    const auto* name = reinterpret_cast<const char*>(h + kCentralHeaderSize);
    entry.Name = EntryName(std::string_view(name, ReadLe16(h + 28)), entry.Flags);
}

int ParseEntry(ArchiveEntry& entry)
{
    DirectoryWalk& walk = *entry.Walk;
    if (!HeaderInBuffer(walk) && walk.File != nullptr) {
        if (!FillWindow(walk))
            return kNoMoreEntries;
    }
    const std::uint64_t left = walk.Buffer.size() - std::min<std::uint64_t>(walk.Position, walk.Buffer.size());
    const std::uint8_t* h = walk.Buffer.data() + walk.Position;
    if (left >= 4 && ReadLe32(h) == kEndRecordSignature)
        return kNoMoreEntries;
    if (!HeaderInBuffer(walk) || ReadLe32(h) != kCentralHeaderSignature)
        return kNoMoreEntries;
    FillEntry(h, entry);
    walk.Position += kCentralHeaderSize + ReadLe16(h + 28) + ReadLe16(h + 30) + ReadLe16(h + 32);
    return kEntryReturned;
}

int ReadDirectory(FileHandle& file, const EndRecord& end, ArchiveEntry& entry)
{
    if (end.DirectoryOffset > end.Offset)
        return kNoMoreEntries;
    auto walk = std::make_shared<DirectoryWalk>();
    walk->DirectoryEnd = end.Offset + 4;  // the end record's signature stays in the buffer
    walk->WindowStart = end.DirectoryOffset;
    const std::uint64_t length = walk->DirectoryEnd - end.DirectoryOffset;
    walk->Buffer.resize(std::min(length, kDirectoryWindow));
    if (!file.Seek(end.DirectoryOffset) || !file.ReadExactly(walk->Buffer.data(), walk->Buffer.size()))
        return kNoMoreEntries;
    if (length >= kDirectoryWindow) {
        walk->File = std::make_unique<FileHandle>(file.Release());
    }
    entry.Walk = std::move(walk);
    const int result = ParseEntry(entry);
    if (result != kEntryReturned)
        CloseArchive(entry);
    return result;
}

}  // namespace

int FirstArchiveEntry(const std::filesystem::path& archivePath, ArchiveEntry& entry)
{
    CloseArchive(entry);
    FileHandle file(archivePath, "rb");
    if (!file)
        return kArchiveUnreadable;
    const std::uint64_t size = file.Size();
    if (size == 0)
        return kArchiveUnreadable;
    const std::optional<EndRecord> end = FindEndRecord(file, size);
    if (!end)
        return kArchiveUnreadable;
    if (end->Offset < kCentralHeaderSize)
        return kEndRecordTooEarly;
    return ReadDirectory(file, *end, entry);
}

int NextArchiveEntry(ArchiveEntry& entry)
{
    if (entry.Walk == nullptr)
        return kNoArchiveOpen;
    const int result = ParseEntry(entry);
    if (result != kEntryReturned)
        CloseArchive(entry);
    return result;
}

void CloseArchive(ArchiveEntry& entry)
{
    entry.Walk.reset();
}

bool IsDirectoryEntry(const ArchiveEntry& entry)
{
    constexpr std::uint16_t kTypeMask = 0170000;
    constexpr std::uint16_t kTypeDirectory = 0040000;
    return (entry.Attributes & kAttributeDirectory) != 0 || (entry.UnixMode & kTypeMask) == kTypeDirectory ||
           NameEndsInSeparator(entry.Name);
}

std::uint32_t ExtractionAttributes(const ArchiveEntry& entry)
{
    std::uint32_t attributes = entry.Attributes;
    if (IsDirectoryEntry(entry))
        attributes |= kAttributeDirectory;
    return attributes | (static_cast<std::uint32_t>(entry.UnixMode) << 16);
}

ArchiveListing ListArchive(const std::filesystem::path& archivePath)
{
    ArchiveListing listing;
    ArchiveEntry entry;
    int result = FirstArchiveEntry(archivePath, entry);
    listing.Result = result;
    while (result == kEntryReturned) {
        ArchiveEntry copy = entry;
        copy.Walk.reset();
        listing.Entries.push_back(std::move(copy));
        result = NextArchiveEntry(entry);
    }
    CloseArchive(entry);
    if (!listing.Entries.empty())
        listing.Result = kEntryReturned;
    return listing;
}

}  // namespace vg
