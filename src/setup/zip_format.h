#pragma once

#include <cstddef>
#include <cstdint>

namespace vg {

// Little-endian fields and signatures of the ZIP format. Callers check that
// the bytes are there before reading them.
inline std::uint16_t ReadLe16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadLe32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline constexpr std::uint32_t kLocalHeaderSignature = 0x04034B50;       // "PK" 3 4
inline constexpr std::uint32_t kCentralHeaderSignature = 0x02014B50;     // "PK" 1 2
inline constexpr std::uint32_t kEndRecordSignature = 0x06054B50;         // "PK" 5 6
inline constexpr std::uint32_t kDataDescriptorSignature = 0x08074B50;    // "PK" 7 8

inline constexpr std::size_t kLocalHeaderSize = 30;
inline constexpr std::size_t kCentralHeaderSize = 46;
inline constexpr std::size_t kEndRecordSize = 22;

// General-purpose flag bits.
inline constexpr std::uint16_t kFlagEncrypted = 0x0001;
inline constexpr std::uint16_t kFlagImplodeLargeWindow = 0x0002;
inline constexpr std::uint16_t kFlagImplodeLiteralTree = 0x0004;
inline constexpr std::uint16_t kFlagDataDescriptor = 0x0008;
inline constexpr std::uint16_t kFlagUtf8Name = 0x0800;

// Compression methods.
inline constexpr std::uint16_t kMethodStored = 0;
inline constexpr std::uint16_t kMethodShrunk = 1;
inline constexpr std::uint16_t kMethodReduced1 = 2;
inline constexpr std::uint16_t kMethodReduced4 = 5;
inline constexpr std::uint16_t kMethodImploded = 6;
inline constexpr std::uint16_t kMethodDeflated = 8;
inline constexpr std::uint32_t kSupportedMethodMask = 0x17F;

// Host systems of the version-made-by field.
inline constexpr std::uint8_t kHostMsDos = 0;
inline constexpr std::uint8_t kHostUnix = 3;

// DOS attribute bits.
inline constexpr std::uint16_t kAttributeReadOnly = 0x01;
inline constexpr std::uint16_t kAttributeDirectory = 0x10;

}  // namespace vg
