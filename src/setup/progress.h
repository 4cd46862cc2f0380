#pragma once

#include <cstdint>
#include <functional>

namespace vg {

// The progress notification of an extraction: the receiver gets the
// percentage (0..100) and may store kAbortRequest into it to stop the
// extraction.
using ProgressCallback = std::function<void(std::uint16_t& percent)>;
inline constexpr std::uint16_t kAbortRequest = 0xFFFF;

// consumed * 100 / total, capped at 100; an empty total counts as complete.
std::uint16_t ProgressPercentage(std::uint64_t consumed, std::uint64_t total);

// Sends percentages to the receiver, only when they change, and remembers
// an abort request.
class ProgressMeter {
public:
    ProgressMeter(const ProgressCallback* callback, std::uint64_t compressedSize)
        : callback_(callback), compressedSize_(compressedSize)
    {
    }

    void Send(std::uint16_t percent);
    void Update(std::uint64_t consumed);
    bool Aborted() const { return aborted_; }

private:
    const ProgressCallback* callback_;
    std::uint64_t compressedSize_;
    int lastSent_ = -1;
    bool aborted_ = false;
};

}  // namespace vg
