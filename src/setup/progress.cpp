#include "setup/progress.h"

namespace vg {

std::uint16_t ProgressPercentage(std::uint64_t consumed, std::uint64_t total)
{
    if (total == 0 || consumed >= total)
        return 100;
    // consumed < total <= 2^32, so the product fits in 64 bits.
    return static_cast<std::uint16_t>(consumed * 100 / total);
}

void ProgressMeter::Send(std::uint16_t percent)
{
    lastSent_ = percent;
    if (callback_ == nullptr || !*callback_)
        return;
    std::uint16_t value = percent;
    (*callback_)(value);
    if (value == kAbortRequest)
        aborted_ = true;
}

void ProgressMeter::Update(std::uint64_t consumed)
{
    const std::uint16_t percent = ProgressPercentage(consumed, compressedSize_);
    if (percent != lastSent_)
        Send(percent);
}

}  // namespace vg
