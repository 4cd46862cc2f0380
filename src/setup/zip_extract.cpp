#include "setup/zip_extract.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "setup/bit_reader.h"
#include "setup/byte_io.h"
#include "setup/dos_time.h"
#include "setup/entry_name.h"
#include "setup/explode.h"
#include "setup/inflate.h"
#include "setup/output_window.h"
#include "setup/unreduce.h"
#include "setup/unshrink.h"
#include "setup/zip_format.h"

namespace vg {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Sizes of an entry whose descriptor cannot be located without the directory.
constexpr std::uint32_t kUnknownSize = 0x7FFFFF9B;
constexpr std::uint16_t kUnixTypeMask = 0170000;
constexpr std::uint16_t kUnixTypeDirectory = 0040000;

// One extraction at a time: the progress receiver runs in the middle of an
// extraction and must not start another one. A guard left behind for more
// than 30 s without a progress call is taken as stale.
struct ExtractionGuard {
    static inline bool InUse = false;
    static inline Clock::time_point LastPump{};

    bool Acquire()
    {
        if (InUse && Clock::now() - LastPump <= std::chrono::milliseconds(30000))
            return false;
        InUse = true;
        LastPump = Clock::now();
        acquired_ = true;
        return true;
    }
    ~ExtractionGuard()
    {
        if (acquired_)
            InUse = false;
    }

private:
    bool acquired_ = false;
};

struct LocalHeader {
    std::uint16_t Flags = 0;
    std::uint16_t Method = 0;
    std::uint32_t DateTime = 0;
    std::uint32_t Crc = 0;
    std::uint64_t CompressedSize = 0;
    std::uint64_t Size = 0;
    std::string Name;
    std::uint64_t DataOffset = 0;
};

bool ReadLocalHeader(FileHandle& archive, std::uint32_t offset, LocalHeader& header)
{
    std::uint8_t h[kLocalHeaderSize];
    if (!archive.Seek(offset) || !archive.ReadExactly(h, sizeof h) || ReadLe32(h) != kLocalHeaderSignature)
        return false;
    header.Flags = ReadLe16(h + 6);
    header.Method = ReadLe16(h + 8);
    header.DateTime = ReadLe32(h + 10);
    header.Crc = ReadLe32(h + 14);
    header.CompressedSize = ReadLe32(h + 18);
    header.Size = ReadLe32(h + 22);
    const std::uint16_t nameLength = ReadLe16(h + 26);
    header.Name.resize(nameLength);
    if (!archive.ReadExactly(reinterpret_cast<std::uint8_t*>(header.Name.data()), nameLength))
        return false;
    header.DataOffset = std::uint64_t{offset} + kLocalHeaderSize + nameLength + ReadLe16(h + 28);
    return true;
}

// What the data is checked against.
struct Expectation {
    std::uint64_t CompressedSize = 0;
    std::uint64_t Size = 0;
    std::uint32_t Crc = 0;
    bool CrcInDescriptor = false;  // read the CRC after the data
    bool SizeKnown = true;
};

Expectation ExpectationFor(const LocalHeader& local, const ArchiveEntry* directoryEntry)
{
    Expectation e{local.CompressedSize, local.Size, local.Crc, false, true};
    if ((local.Flags & kFlagDataDescriptor) == 0)
        return e;
    if (directoryEntry != nullptr) {
        e.CompressedSize = directoryEntry->CompressedSize;
        e.Size = directoryEntry->Size;
        e.Crc = directoryEntry->Crc;
        return e;
    }
    e.CrcInDescriptor = true;
    if (local.Method != kMethodStored && local.CompressedSize == 0) {
        e.CompressedSize = kUnknownSize;
        e.Size = kUnknownSize;
        e.SizeKnown = false;
    }
    return e;
}

bool IsSupportedMethod(std::uint16_t method)
{
    return method < 32 && ((kSupportedMethodMask >> method) & 1) != 0;
}

bool IsFolderTarget(const fs::path& target, std::uint32_t attributes, const LocalHeader& local)
{
    const auto mode = static_cast<std::uint16_t>(attributes >> 16);
    return (attributes & kAttributeDirectory) != 0 || (mode & kUnixTypeMask) == kUnixTypeDirectory ||
           NameEndsInSeparator(local.Name) || NameEndsInSeparator(target.string());
}

bool MakeFolder(const fs::path& folder)
{
    if (folder.empty())
        return true;
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

// A new file beside the target, so that a failed extraction leaves an
// existing target untouched.
std::optional<fs::path> CreateTemporaryBeside(const fs::path& target, FileHandle& file)
{
    for (int n = 0; n < 100; ++n) {
        fs::path candidate = target;
        candidate += ".vgpart" + std::to_string(n);
        file = FileHandle(candidate, "wbx");
        if (file)
            return candidate;
    }
    return std::nullopt;
}

DecodeStatus CopyStored(BitReader& bits, OutputWindow& out, std::uint64_t size, ProgressMeter& progress)
{
    std::vector<std::uint8_t> chunk(OutputWindow::kSize);
    std::uint64_t left = size;
    while (left > 0) {
        if (progress.Aborted())
            return DecodeStatus::Aborted;
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
        if (bits.ReadAlignedBytes(chunk.data(), n) != n || bits.Overran())
            return progress.Aborted() ? DecodeStatus::Aborted : DecodeStatus::Truncated;
        if (!out.Append(chunk.data(), n))
            return DecodeStatus::Malformed;
        if (out.WriteFailed())
            return DecodeStatus::WriteFailed;
        left -= n;
    }
    return out.Finish() ? DecodeStatus::Ok : DecodeStatus::WriteFailed;
}

DecodeStatus Decode(const LocalHeader& local, const Expectation& expected, BitReader& bits, OutputWindow& out,
                    ProgressMeter& progress)
{
    switch (local.Method) {
    case kMethodStored:
        return CopyStored(bits, out, expected.CompressedSize, progress);
    case kMethodShrunk:
        return Unshrink(bits, out, expected.Size);
    case kMethodImploded:
        return Explode(bits, out,
                       ImplodeOptions{(local.Flags & kFlagImplodeLargeWindow) != 0,
                                      (local.Flags & kFlagImplodeLiteralTree) != 0},
                       expected.Size);
    case kMethodDeflated:
        return Inflate(bits, out);
    default:
        return Unreduce(bits, out, local.Method - kMethodReduced1 + 1u, expected.Size);
    }
}

// The descriptor after the data: an optional "PK" 7 8 signature, then the CRC.
std::uint32_t ReadDescriptorCrc(BitReader& bits)
{
    bits.AlignToByte();
    const std::uint32_t first = bits.Get(32);
    return first == kDataDescriptorSignature ? bits.Get(32) : first;
}

int ResultFor(DecodeStatus status)
{
    switch (status) {
    case DecodeStatus::Ok: return kExtractOk;
    case DecodeStatus::WriteFailed: return kExtractCannotWrite;
    case DecodeStatus::Truncated: return kExtractCannotRead;
    case DecodeStatus::Malformed: return kExtractMalformed;
    case DecodeStatus::Aborted: return kExtractAborted;
    }
    return kExtractMalformed;
}

// DOS read-only: no write permission. Unix permission bits are taken as
// stored, but never grant more than a new file gets (plus execute where
// reading is allowed).
void ApplyAttributes(const fs::path& path, std::uint32_t attributes)
{
    std::error_code ec;
    const auto created = static_cast<unsigned>(fs::status(path, ec).permissions()) & 0777u;
    if (ec)
        return;
    const unsigned mode = (attributes >> 16) & 0777u;
    if (mode != 0) {
        const unsigned allowed = created | ((created & 0444u) >> 2);
        fs::permissions(path, static_cast<fs::perms>(mode & allowed), fs::perm_options::replace, ec);
    } else if ((attributes & kAttributeReadOnly) != 0) {
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ec);
    }
}

class Extraction {
public:
    Extraction(const fs::path& archivePath, const fs::path& target, std::uint32_t attributes,
               const ProgressCallback& notify, std::uint32_t headerOffset, const ArchiveEntry* directoryEntry)
        : archivePath_(archivePath), target_(target), attributes_(attributes), notify_(notify),
          headerOffset_(headerOffset), directoryEntry_(directoryEntry)
    {
    }

    int Run()
    {
        FileHandle archive(archivePath_, "rb");
        if (!archive)
            return kExtractCannotRead;
        LocalHeader local;
        if (!ReadLocalHeader(archive, headerOffset_, local) || !IsSafeEntryName(local.Name))
            return kExtractMalformed;
        if (!IsSupportedMethod(local.Method))
            return kExtractUnsupportedMethod;
        if ((local.Flags & kFlagEncrypted) != 0)
            return kExtractEncrypted;
        if (IsFolderTarget(target_, attributes_, local))
            return MakeFolder(target_) ? kExtractOk : kExtractCannotWrite;
        if (!MakeFolder(target_.parent_path()))
            return kExtractCannotWrite;

        FileHandle output;
        const std::optional<fs::path> temporary = CreateTemporaryBeside(target_, output);
        if (!temporary)
            return kExtractCannotWrite;
        const int result = ExtractData(archive, local, output, *temporary);
        std::error_code ec;
        if (result == kExtractOk) {
            fs::rename(*temporary, target_, ec);
            if (!ec) {
                progress_->Send(100);
                return kExtractOk;
            }
        }
        fs::remove(*temporary, ec);
        return result == kExtractOk ? kExtractCannotWrite : result;
    }

private:
    int ExtractData(FileHandle& archive, const LocalHeader& local, FileHandle& output, const fs::path& temporary)
    {
        const Expectation expected = ExpectationFor(local, directoryEntry_);
        pumpingNotify_ = [this](std::uint16_t& percent) {
            ExtractionGuard::LastPump = Clock::now();
            if (notify_)
                notify_(percent);
        };
        progress_.emplace(&pumpingNotify_, expected.CompressedSize);
        progress_->Send(0);

        if (!archive.Seek(local.DataOffset))
            return kExtractCannotRead;
        FileSource source(archive.get());
        FileSink sink(output.get());
        // The descriptor (signature, CRC, two sizes) may follow the data.
        const std::uint64_t inputLimit = !expected.SizeKnown        ? UINT64_MAX
                                         : expected.CrcInDescriptor ? expected.CompressedSize + 16
                                                                    : expected.CompressedSize;
        BitReader bits(source, inputLimit, &*progress_);
        OutputWindow out(sink, expected.Size);
        if (progress_->Aborted())
            return kExtractAborted;
        const DecodeStatus status = Decode(local, expected, bits, out, *progress_);
        if (status != DecodeStatus::Ok)
            return ResultFor(status);
        if (expected.SizeKnown && out.Total() != expected.Size)
            return kExtractMalformed;
        std::uint32_t expectedCrc = expected.Crc;
        if (expected.CrcInDescriptor) {
            expectedCrc = ReadDescriptorCrc(bits);
            if (bits.Overran())
                return kExtractCannotRead;
        }
        archive.Close();
        if (!output.Close())
            return kExtractCannotWrite;
        if (out.Crc() != expectedCrc)
            return kExtractCrcMismatch;
        SetFileTimeFromDos(temporary, local.DateTime);
        ApplyAttributes(temporary, attributes_);
        return kExtractOk;
    }

    const fs::path& archivePath_;
    const fs::path& target_;
    std::uint32_t attributes_;
    const ProgressCallback& notify_;
    std::uint32_t headerOffset_;
    const ArchiveEntry* directoryEntry_;
    ProgressCallback pumpingNotify_;
    std::optional<ProgressMeter> progress_;
};

}  // namespace

int ExtractEntry(const fs::path& archivePath, const fs::path& targetPath, std::uint32_t attributes,
                 const ProgressCallback& notify, std::uint32_t headerOffset, const ArchiveEntry* directoryEntry)
{
    ExtractionGuard guard;
    if (!guard.Acquire())
        return kExtractBusy;
    return Extraction(archivePath, targetPath, attributes, notify, headerOffset, directoryEntry).Run();
}

int ExtractEntryToFolder(const fs::path& archivePath, const fs::path& folder, const ArchiveEntry& entry,
                         const ProgressCallback& notify)
{
    const std::optional<fs::path> target = TargetPathForEntry(folder, entry.Name);
    if (!target)
        return kExtractMalformed;
    return ExtractEntry(archivePath, *target, ExtractionAttributes(entry), notify, entry.HeaderOffset, &entry);
}

}  // namespace vg
