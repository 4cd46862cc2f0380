#include "setup/output_window.h"

#include <algorithm>
#include <cstring>

#include "setup/crc32.h"

namespace vg {

OutputWindow::OutputWindow(ByteSink& sink, std::uint64_t limit)
    : sink_(sink), limit_(limit), window_(kSize, 0), data_(window_.data()), crc_(kCrc32Initial)
{
}

// A copy whose source or end wraps around the window (or reaches before the
// first byte, for the legacy methods).
bool OutputWindow::CopyAcross(std::uint32_t distance, std::uint32_t length)
{
    if (length > Remaining())
        return false;
    std::uint8_t* const window = window_.data();
    while (length > 0) {
        const std::size_t from = (position_ - distance) & kMask;
        const std::size_t chunk = std::min<std::size_t>({length, kSize - position_, kSize - from});
        std::uint8_t* to = window + position_;
        const std::uint8_t* source = window + from;
        if (from > position_ || distance >= chunk) {
            // The source bytes are all older than this copy.
            std::memmove(to, source, chunk);
        } else if (distance >= 8) {
            // Overlapping: eight bytes at a time never reach bytes not yet written.
            std::size_t i = 0;
            for (; i + 8 <= chunk; i += 8)
                std::memcpy(to + i, source + i, 8);
            for (; i < chunk; ++i)
                to[i] = source[i];
        } else {
            for (std::size_t i = 0; i < chunk; ++i)
                to[i] = source[i];
        }
        position_ += chunk;
        length -= static_cast<std::uint32_t>(chunk);
        if (position_ == kSize)
            Flush();
    }
    return true;
}

bool OutputWindow::Append(const std::uint8_t* data, std::size_t size)
{
    if (size > Remaining())
        return false;
    while (size > 0) {
        const std::size_t chunk = std::min(size, kSize - position_);
        std::memcpy(window_.data() + position_, data, chunk);
        position_ += chunk;
        data += chunk;
        size -= chunk;
        if (position_ == kSize)
            Flush();
    }
    return true;
}

void OutputWindow::Flush()
{
    if (position_ > 0) {
        crc_ = UpdateCrc32(crc_, window_.data(), position_);
        if (!writeFailed_ && !sink_.Write(window_.data(), position_))
            writeFailed_ = true;
    }
    flushed_ += position_;
    position_ = 0;
}

bool OutputWindow::Finish()
{
    Flush();
    return !writeFailed_;
}

}  // namespace vg
