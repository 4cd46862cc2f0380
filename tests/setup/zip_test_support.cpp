#include "setup/zip_test_support.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "setup/crc32.h"

namespace vg::test {
namespace fs = std::filesystem;

Bytes ToBytes(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

namespace {

constexpr std::array<std::uint32_t, 64> kSha256K = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

std::uint32_t Rotr(std::uint32_t x, int n)
{
    return (x >> n) | (x << (32 - n));
}

void Sha256Block(std::array<std::uint32_t, 8>& h, const std::uint8_t* p)
{
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i)
        w[i] = (std::uint32_t{p[4 * i]} << 24) | (p[4 * i + 1] << 16) | (p[4 * i + 2] << 8) | p[4 * i + 3];
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], k = h[7];
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t t1 = k + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) + kSha256K[i] + w[i];
        const std::uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
        k = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e, h[5] += f, h[6] += g, h[7] += k;
}

void PutLe16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutLe32(Bytes& out, std::uint32_t v)
{
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

void PutText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" `");
    const auto last = s.find_last_not_of(" `");
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

}  // namespace

std::string Sha256Hex(const Bytes& data)
{
    std::array<std::uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                      0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    Bytes padded = data;
    padded.push_back(0x80);
    while (padded.size() % 64 != 56)
        padded.push_back(0);
    const std::uint64_t bits = static_cast<std::uint64_t>(data.size()) * 8;
    for (int i = 7; i >= 0; --i)
        padded.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    for (std::size_t i = 0; i < padded.size(); i += 64)
        Sha256Block(h, padded.data() + i);
    std::string hex;
    char part[9];
    for (const std::uint32_t v : h) {
        std::snprintf(part, sizeof part, "%08x", v);
        hex += part;
    }
    return hex;
}

Bytes ReadFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& path, const Bytes& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

fs::path TestDataZipDir()
{
    return fs::path(VG_TESTDATA_DIR) / "zip";
}

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "vg-zip-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Read-only files and folders made by tests must not block the clean-up.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void BitWriter::Bits(std::uint32_t value, unsigned count)
{
    for (unsigned i = 0; i < count; ++i) {
        pending_ |= (i < 32 ? (value >> i) & 1u : 0u) << count_;
        if (++count_ == 8) {
            bytes_.push_back(static_cast<std::uint8_t>(pending_));
            pending_ = 0;
            count_ = 0;
        }
    }
}

void BitWriter::Code(std::uint32_t code, unsigned length)
{
    for (unsigned i = length; i-- > 0;)
        Bits((code >> i) & 1u, 1);
}

void BitWriter::AlignToByte()
{
    if (count_ > 0)
        Bits(0, 8 - count_);
}

Bytes BitWriter::Finish()
{
    AlignToByte();
    return bytes_;
}

Bytes DeflateStored(const Bytes& data)
{
    BitWriter w;
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(data.size() - at, 65535);
        w.Bits(at + n == data.size() ? 1 : 0, 1);
        w.Bits(0, 2);
        w.AlignToByte();
        w.Bits(static_cast<std::uint32_t>(n), 16);
        w.Bits(static_cast<std::uint32_t>(~n & 0xFFFF), 16);
        for (std::size_t i = 0; i < n; ++i)
            w.Bits(data[at + i], 8);
        at += n;
    } while (at < data.size());
    return w.Finish();
}

FixedDeflateWriter::FixedDeflateWriter(bool final)
{
    writer_.Bits(final ? 1 : 0, 1);
    writer_.Bits(1, 2);
}

void FixedDeflateWriter::Literal(unsigned symbol)
{
    if (symbol < 144)
        writer_.Code(0x30 + symbol, 8);
    else if (symbol < 256)
        writer_.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280)
        writer_.Code(symbol - 256, 7);
    else
        writer_.Code(0xC0 + symbol - 280, 8);
}

void FixedDeflateWriter::Match(unsigned length, unsigned distance)
{
    static constexpr unsigned kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr unsigned kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    static constexpr unsigned kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                   33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                   1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    static constexpr unsigned kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
    unsigned l = 28;
    while (kLengthBase[l] > length)
        --l;
    Literal(257 + l);
    writer_.Bits(length - kLengthBase[l], kLengthExtra[l]);
    unsigned d = 29;
    while (kDistanceBase[d] > distance)
        --d;
    DistanceSymbol(d);
    writer_.Bits(distance - kDistanceBase[d], kDistanceExtra[d]);
}

void FixedDeflateWriter::DistanceSymbol(unsigned symbol)
{
    writer_.Code(symbol, 5);
}

Bytes FixedDeflateWriter::End()
{
    Literal(256);
    return writer_.Finish();
}

ZipEntrySpec StoredEntry(const std::string& name, const std::string& content)
{
    ZipEntrySpec e;
    e.Name = name;
    e.Content = ToBytes(content);
    e.Data = e.Content;
    return e;
}

Bytes BuildZip(const std::vector<ZipEntrySpec>& entries, const ZipLayout& layout,
               std::vector<std::uint32_t>* headerOffsets)
{
    Bytes out(layout.Prefix, 'x');
    std::vector<std::uint32_t> offsets;
    for (const ZipEntrySpec& e : entries) {
        const std::uint32_t crc = e.OverrideCrc ? e.Crc : Crc32(e.Content.data(), e.Content.size());
        const std::uint32_t size = e.OverrideSizes ? e.Size : static_cast<std::uint32_t>(e.Content.size());
        const std::uint32_t csize = e.OverrideSizes ? e.CompressedSize : static_cast<std::uint32_t>(e.Data.size());
        const std::uint16_t flags = e.Descriptor ? (e.Flags | 0x0008) : e.Flags;
        offsets.push_back(static_cast<std::uint32_t>(out.size()));
        PutLe32(out, 0x04034B50);
        PutLe16(out, 20);
        PutLe16(out, flags);
        PutLe16(out, e.Method);
        PutLe32(out, e.DateTime);
        PutLe32(out, e.Descriptor ? 0 : crc);
        PutLe32(out, e.Descriptor ? 0 : csize);
        PutLe32(out, e.Descriptor ? 0 : size);
        PutLe16(out, static_cast<std::uint32_t>(e.Name.size()));
        PutLe16(out, 0);
        PutText(out, e.Name);
        out.insert(out.end(), e.Data.begin(), e.Data.end());
        if (e.Descriptor) {
            if (e.DescriptorSignature)
                PutLe32(out, 0x08074B50);
            PutLe32(out, crc);
            PutLe32(out, csize);
            PutLe32(out, size);
        }
    }
    const std::uint32_t directoryOffset = static_cast<std::uint32_t>(out.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ZipEntrySpec& e = entries[i];
        const std::uint32_t crc = e.OverrideCrc ? e.Crc : Crc32(e.Content.data(), e.Content.size());
        const std::uint32_t size = e.OverrideSizes ? e.Size : static_cast<std::uint32_t>(e.Content.size());
        const std::uint32_t csize = e.OverrideSizes ? e.CompressedSize : static_cast<std::uint32_t>(e.Data.size());
        PutLe32(out, 0x02014B50);
        PutLe16(out, static_cast<std::uint32_t>(e.Host) << 8 | 20);
        PutLe16(out, 20);
        PutLe16(out, e.Descriptor ? (e.Flags | 0x0008) : e.Flags);
        PutLe16(out, e.Method);
        PutLe32(out, e.DateTime);
        PutLe32(out, crc);
        PutLe32(out, csize);
        PutLe32(out, size);
        PutLe16(out, static_cast<std::uint32_t>(e.Name.size()));
        PutLe16(out, 0);
        PutLe16(out, static_cast<std::uint32_t>(e.Comment.size()));
        PutLe16(out, 0);
        PutLe16(out, 0);
        PutLe32(out, e.ExternalAttributes);
        PutLe32(out, offsets[i]);
        PutText(out, e.Name);
        PutText(out, e.Comment);
    }
    const std::uint32_t directorySize = static_cast<std::uint32_t>(out.size()) - directoryOffset;
    PutLe32(out, 0x06054B50);
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, static_cast<std::uint32_t>(entries.size()));
    PutLe16(out, static_cast<std::uint32_t>(entries.size()));
    PutLe32(out, directorySize);
    PutLe32(out, directoryOffset);
    PutLe16(out, static_cast<std::uint32_t>(layout.Comment.size()));
    PutText(out, layout.Comment);
    if (headerOffsets != nullptr)
        *headerOffsets = offsets;
    return out;
}

std::vector<ManifestEntry> ReadManifest()
{
    std::ifstream in(TestDataZipDir() / "MANIFEST.md");
    std::vector<ManifestEntry> entries;
    std::string line;
    std::string archive;
    bool inArchives = false;
    while (std::getline(in, line)) {
        if (line == "## Archives")
            inArchives = true;
        if (line.rfind("### ", 0) == 0)
            archive = line.substr(4);
        if (!inArchives || archive.empty() || line.rfind("| `", 0) != 0)
            continue;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(1));
        std::string cell;
        while (std::getline(row, cell, '|'))
            cells.push_back(Trim(cell));
        if (cells.size() < 9)
            continue;
        ManifestEntry e;
        e.Archive = archive;
        e.Name = cells[0];
        e.Method = std::stoi(cells[1]);
        e.Size = std::stoull(cells[4]);
        e.Crc = static_cast<std::uint32_t>(std::stoul(cells[5], nullptr, 16));
        e.Sha256 = cells[6];
        e.Expect = cells[8];
        entries.push_back(e);
    }
    return entries;
}

}  // namespace vg::test
