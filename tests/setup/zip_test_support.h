#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vg::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text);
std::string Sha256Hex(const Bytes& data);
Bytes ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& data);
std::filesystem::path TestDataZipDir();

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes bits least significant first, as the ZIP methods read them.
class BitWriter {
public:
    void Bits(std::uint32_t value, unsigned count);
    // A Huffman code: sent most significant bit first.
    void Code(std::uint32_t code, unsigned length);
    void AlignToByte();
    Bytes Finish();

private:
    Bytes bytes_;
    std::uint32_t pending_ = 0;
    unsigned count_ = 0;
};

// Deflate streams for tests: stored blocks, and fixed-Huffman blocks with
// literals and matches.
Bytes DeflateStored(const Bytes& data);
class FixedDeflateWriter {
public:
    FixedDeflateWriter(bool final = true);
    void Literal(unsigned symbol);  // 0..287, any symbol of the fixed code
    void Match(unsigned length, unsigned distance);
    void DistanceSymbol(unsigned symbol);  // raw 5-bit distance code
    Bytes End();
    BitWriter& Writer() { return writer_; }

private:
    BitWriter writer_;
};

// One entry of an archive built at test time. Data is the bytes as stored;
// Size and Crc default to those of Content.
struct ZipEntrySpec {
    std::string Name;
    Bytes Data;
    Bytes Content;  // the uncompressed bytes (for the default size and CRC)
    std::uint16_t Method = 0;
    std::uint16_t Flags = 0;
    std::uint8_t Host = 0;
    std::uint32_t ExternalAttributes = 0;
    std::uint32_t DateTime = 0x58CB6478;  // 2024-06-11 12:35:48
    bool OverrideSizes = false;
    std::uint32_t Size = 0;
    std::uint32_t CompressedSize = 0;
    bool OverrideCrc = false;
    std::uint32_t Crc = 0;
    bool Descriptor = false;           // sizes and CRC after the data (local header zero)
    bool DescriptorSignature = true;
    std::string Comment;
};

ZipEntrySpec StoredEntry(const std::string& name, const std::string& content);

struct ZipLayout {
    std::size_t Prefix = 0;  // junk bytes before the first local header
    std::string Comment;     // archive comment
};

// Builds an archive; headerOffsets receives each entry's local header offset.
Bytes BuildZip(const std::vector<ZipEntrySpec>& entries, const ZipLayout& layout = {},
               std::vector<std::uint32_t>* headerOffsets = nullptr);

// One entry row of the test data's MANIFEST.md.
struct ManifestEntry {
    std::string Archive;
    std::string Name;
    int Method = 0;
    std::uint64_t Size = 0;
    std::uint32_t Crc = 0;
    std::string Sha256;
    std::string Expect;
};
std::vector<ManifestEntry> ReadManifest();

}  // namespace vg::test
