#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "setup/byte_io.h"

namespace vg {

// The 32 KiB output window of the decoders: decoded bytes collect here, and
// each time it is full (and at the end) it goes to the sink and into the CRC.
// The window starts zeroed, so a match of the legacy methods that reaches
// before the first byte reads zeros. Nothing is accepted beyond the limit
// (the entry's declared size).
class OutputWindow {
public:
    static constexpr std::size_t kSize = 32768;
    static constexpr std::size_t kMask = kSize - 1;

    OutputWindow(ByteSink& sink, std::uint64_t limit);

    std::uint64_t Total() const { return flushed_ + position_; }
    std::uint64_t Remaining() const { return limit_ - Total(); }

    // False when the byte would pass the limit.
    bool Put(std::uint8_t byte)
    {
        if (Total() >= limit_)
            return false;
        data_[position_++] = byte;
        if (position_ == kSize)
            Flush();
        return true;
    }

    // Repeats length bytes from distance back (1..32768); false past the limit.
    bool Copy(std::uint32_t distance, std::uint32_t length)
    {
        // The common case in place: the source lies inside the window before
        // the cursor and the copy ends before the window is full.
        if (distance <= position_ && position_ + length < kSize && length <= Remaining()) {
            std::uint8_t* const to = data_ + position_;
            const std::uint8_t* const from = to - distance;
            if (distance >= 8 && length >= 8) {
                // Eight-byte moves never read a byte not yet written; the last
                // one ends exactly at the end of the copy.
                for (std::uint32_t i = 0; i + 8 <= length; i += 8)
                    std::memcpy(to + i, from + i, 8);
                std::memcpy(to + length - 8, from + length - 8, 8);
            } else {
                for (std::uint32_t i = 0; i < length; ++i)
                    to[i] = from[i];
            }
            position_ += length;
            return true;
        }
        return CopyAcross(distance, length);
    }

    // Appends bytes as they are; false past the limit.
    bool Append(const std::uint8_t* data, std::size_t size);

    // Sends what is left to the sink; false when a write failed at any time.
    bool Finish();
    bool WriteFailed() const { return writeFailed_; }

    // CRC-32 of everything flushed so far (complete after Finish).
    std::uint32_t Crc() const { return ~crc_; }

private:
    void Flush();
    bool CopyAcross(std::uint32_t distance, std::uint32_t length);

    ByteSink& sink_;
    std::uint64_t limit_;
    std::vector<std::uint8_t> window_;
    std::uint8_t* data_;
    std::size_t position_ = 0;
    std::uint64_t flushed_ = 0;
    std::uint32_t crc_;
    bool writeFailed_ = false;
};

}  // namespace vg
