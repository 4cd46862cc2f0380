#include "setup/crc32.h"

#include <array>
#include <cstring>

namespace vg {
namespace {

using CrcTables = std::array<std::array<std::uint32_t, 256>, 16>;

// Sixteen tables so that sixteen bytes are folded per step; extraction of
// large entries spends a noticeable share of its time here.
constexpr CrcTables MakeTables()
{
    CrcTables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
        for (std::size_t t = 1; t < 16; ++t)
            tables[t][n] = (tables[t - 1][n] >> 8) ^ tables[0][tables[t - 1][n] & 0xFF];
    return tables;
}

constexpr CrcTables kTables = MakeTables();

}  // namespace

std::uint32_t UpdateCrc32(std::uint32_t running, const std::uint8_t* data, std::size_t size)
{
    std::uint32_t c = running;
    while (size >= 16) {
        std::uint32_t w[4];
        std::memcpy(w, data, 16);
        w[0] ^= c;  // little-endian host (x86-64)
        c = kTables[15][w[0] & 0xFF] ^ kTables[14][(w[0] >> 8) & 0xFF] ^ kTables[13][(w[0] >> 16) & 0xFF] ^
            kTables[12][w[0] >> 24] ^ kTables[11][w[1] & 0xFF] ^ kTables[10][(w[1] >> 8) & 0xFF] ^
            kTables[9][(w[1] >> 16) & 0xFF] ^ kTables[8][w[1] >> 24] ^ kTables[7][w[2] & 0xFF] ^
            kTables[6][(w[2] >> 8) & 0xFF] ^ kTables[5][(w[2] >> 16) & 0xFF] ^ kTables[4][w[2] >> 24] ^
            kTables[3][w[3] & 0xFF] ^ kTables[2][(w[3] >> 8) & 0xFF] ^ kTables[1][(w[3] >> 16) & 0xFF] ^
            kTables[0][w[3] >> 24];
        data += 16;
        size -= 16;
    }
    while (size >= 8) {
        std::uint32_t lo = 0;
        std::uint32_t hi = 0;
        std::memcpy(&lo, data, 4);
        std::memcpy(&hi, data + 4, 4);
        lo ^= c;  // little-endian host (x86-64)
        c = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
            kTables[4][lo >> 24] ^ kTables[3][hi & 0xFF] ^ kTables[2][(hi >> 8) & 0xFF] ^
            kTables[1][(hi >> 16) & 0xFF] ^ kTables[0][hi >> 24];
        data += 8;
        size -= 8;
    }
    while (size-- > 0)
        c = kTables[0][(c ^ *data++) & 0xFF] ^ (c >> 8);
    return c;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    return ~UpdateCrc32(kCrc32Initial, data, size);
}

}  // namespace vg
