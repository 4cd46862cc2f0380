#pragma once

#include <cstddef>
#include <cstdint>

namespace vg {

// CRC-32 of ZIP archives (reflected polynomial 0xEDB88320). A running value
// starts at kCrc32Initial, goes through UpdateCrc32 and is complemented at the end.
inline constexpr std::uint32_t kCrc32Initial = 0xFFFFFFFFu;

std::uint32_t UpdateCrc32(std::uint32_t running, const std::uint8_t* data, std::size_t size);

// The finished CRC-32 of one block of bytes.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

}  // namespace vg
