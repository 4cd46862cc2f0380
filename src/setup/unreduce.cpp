#include "setup/unreduce.h"

#include <memory>

#include "setup/decoder_steps.h"

namespace vg {
namespace {

constexpr unsigned kMaxFollowers = 32;
constexpr std::uint8_t kEscape = 0x90;

// Bits that index a follower set of n entries.
unsigned IndexBits(unsigned n)
{
    unsigned bits = 1;
    while ((1u << bits) < n)
        ++bits;
    return bits;
}

struct FollowerSets {
    std::uint8_t Count[256] = {};
    std::uint8_t Bits[256] = {};
    std::uint8_t Followers[256][kMaxFollowers] = {};
};

bool ReadFollowerSets(BitReader& bits, FollowerSets& sets)
{
    for (int c = 255; c >= 0; --c) {
        const unsigned count = bits.Get(6);
        if (count > kMaxFollowers)
            return false;
        sets.Count[c] = static_cast<std::uint8_t>(count);
        sets.Bits[c] = static_cast<std::uint8_t>(IndexBits(count));
        for (unsigned i = 0; i < count; ++i)
            sets.Followers[c][i] = static_cast<std::uint8_t>(bits.Get(8));
    }
    return true;
}

class Unreducer {
public:
    Unreducer(BitReader& bits, OutputWindow& out, unsigned factor)
        : bits_(bits), out_(out), lengthMask_(0xFFu >> factor), distanceShift_(8 - factor)
    {
    }

    DecodeStatus Run(const FollowerSets& sets, std::uint64_t size)
    {
        if (size > out_.Remaining())
            return DecodeStatus::Malformed;
        const std::uint64_t end = out_.Total() + size;
        std::uint8_t last = 0;
        while (out_.Total() < end) {
            if (const DecodeStatus stop = StatusBeforeNextCode(bits_, out_); stop != DecodeStatus::Ok)
                return stop;
            bits_.Ensure(16);
            const unsigned count = sets.Count[last];
            if (count == 0 || bits_.Get(1) != 0) {
                last = static_cast<std::uint8_t>(bits_.Get(8));
            } else {
                const unsigned index = bits_.Get(sets.Bits[last]);
                if (index >= count)
                    return DecodeStatus::Malformed;
                last = sets.Followers[last][index];
            }
            if (!Stage(last, end))
                return DecodeStatus::Malformed;
        }
        return FinishDecoding(bits_, out_);
    }

private:
    // The copy stage, fed one byte at a time.
    bool Stage(std::uint8_t c, std::uint64_t end)
    {
        switch (state_) {
        case 0:
            if (c != kEscape)
                return out_.Put(c);
            state_ = 1;
            return true;
        case 1:
            if (c == 0) {
                state_ = 0;
                return out_.Put(kEscape);
            }
            v_ = c;
            length_ = c & lengthMask_;
            state_ = length_ == lengthMask_ ? 2 : 3;
            return true;
        case 2:
            length_ += c;
            state_ = 3;
            return true;
        default: {
            state_ = 0;
            const std::uint32_t distance = ((static_cast<std::uint32_t>(v_) >> distanceShift_) << 8) + c + 1;
            const std::uint32_t length = length_ + 3;
            // Matches before the first byte read the zeroed window.
            return length <= end - out_.Total() && out_.Copy(distance, length);
        }
        }
    }

    BitReader& bits_;
    OutputWindow& out_;
    unsigned lengthMask_;
    unsigned distanceShift_;
    int state_ = 0;
    std::uint8_t v_ = 0;
    std::uint32_t length_ = 0;
};

}  // namespace

DecodeStatus Unreduce(BitReader& bits, OutputWindow& out, unsigned factor, std::uint64_t size)
{
    if (factor < 1 || factor > 4)
        return DecodeStatus::Malformed;
    auto sets = std::make_unique<FollowerSets>();
    if (!ReadFollowerSets(bits, *sets))
        return bits.Overran() ? DecodeStatus::Truncated : DecodeStatus::Malformed;
    return Unreducer(bits, out, factor).Run(*sets, size);
}

}  // namespace vg
