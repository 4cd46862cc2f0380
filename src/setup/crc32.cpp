#include "setup/crc32.h"

#include <array>
#include <cstring>

namespace vg {
namespace {

using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

// Eight tables so that eight bytes are folded per step; extraction of large
// entries spends a noticeable share of its time here.
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
        for (std::size_t t = 1; t < 8; ++t)
            tables[t][n] = (tables[t - 1][n] >> 8) ^ tables[0][tables[t - 1][n] & 0xFF];
    return tables;
}

constexpr CrcTables kTables = MakeTables();

}  // namespace

std::uint32_t UpdateCrc32(std::uint32_t running, const std::uint8_t* data, std::size_t size)
{
    std::uint32_t c = running;
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
