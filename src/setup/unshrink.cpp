#include "setup/unshrink.h"

#include <vector>

#include "setup/decoder_steps.h"

namespace vg {
namespace {

constexpr unsigned kTableSize = 8192;  // 13-bit codes
constexpr unsigned kControlCode = 256;
constexpr unsigned kFirstFreeCode = 257;
constexpr unsigned kMinCodeSize = 9;
constexpr unsigned kMaxCodeSize = 13;
constexpr std::uint16_t kNoParent = 0xFFFF;

class Unshrinker {
public:
    Unshrinker(BitReader& bits, OutputWindow& out)
        : bits_(bits), out_(out), parent_(kTableSize, kNoParent), value_(kTableSize, 0),
          free_(kTableSize, false), stack_(kTableSize)
    {
        for (unsigned c = 0; c < 256; ++c)
            value_[c] = static_cast<std::uint8_t>(c);
        for (unsigned c = kFirstFreeCode; c < kTableSize; ++c)
            free_[c] = true;
    }

    DecodeStatus Run(std::uint64_t size)
    {
        if (size > out_.Remaining())
            return DecodeStatus::Malformed;
        const std::uint64_t end = out_.Total() + size;
        while (out_.Total() < end) {
            if (const DecodeStatus stop = StatusBeforeNextCode(bits_, out_); stop != DecodeStatus::Ok)
                return stop;
            const unsigned code = bits_.Get(codeSize_);
            const DecodeStatus status = code == kControlCode ? Control() : Translate(code, end);
            if (status != DecodeStatus::Ok)
                return status;
        }
        return FinishDecoding(bits_, out_);
    }

private:
    DecodeStatus Control()
    {
        const unsigned command = bits_.Get(codeSize_);
        if (command == 1) {
            if (++codeSize_ > kMaxCodeSize)
                return DecodeStatus::Malformed;
        } else if (command == 2) {
            PartialClear();
        } else {
            return DecodeStatus::Malformed;
        }
        return DecodeStatus::Ok;
    }

    // Frees every code that is not the prefix of another one.
    void PartialClear()
    {
        std::vector<bool> isPrefix(kTableSize, false);
        for (unsigned c = kFirstFreeCode; c < kTableSize; ++c)
            if (!free_[c])
                isPrefix[parent_[c]] = true;
        for (unsigned c = kFirstFreeCode; c < kTableSize; ++c)
            if (!isPrefix[c])
                free_[c] = true;
        lastAssigned_ = kControlCode;
    }

    unsigned NextFreeCode() const
    {
        unsigned c = lastAssigned_ + 1;
        while (c < kTableSize && !free_[c])
            ++c;
        return c;  // kTableSize when the table is full
    }

    DecodeStatus Translate(unsigned code, std::uint64_t end)
    {
        if (previous_ == kNoParent) {
            if (code >= 256)
                return DecodeStatus::Malformed;  // the first code is a literal
            previous_ = static_cast<std::uint16_t>(code);
            firstByte_ = static_cast<std::uint8_t>(code);
            return out_.Put(firstByte_) ? DecodeStatus::Ok : DecodeStatus::Malformed;
        }

        const unsigned newCode = NextFreeCode();
        std::size_t top = stack_.size();
        unsigned walk = code;
        if (free_[code]) {
            // Only the code about to be made may be used early (the string
            // "previous + its own first byte").
            if (code != newCode)
                return DecodeStatus::Malformed;
            stack_[--top] = firstByte_;
            walk = previous_;
        }
        while (walk != kNoParent) {
            if (top == 0 || walk >= kTableSize)
                return DecodeStatus::Malformed;  // the codes form a loop
            stack_[--top] = value_[walk];
            walk = walk < 256 ? kNoParent : parent_[walk];
        }
        firstByte_ = stack_[top];
        if (stack_.size() - top > end - out_.Total() ||
            !out_.Append(stack_.data() + top, stack_.size() - top))
            return DecodeStatus::Malformed;

        if (newCode < kTableSize) {
            parent_[newCode] = previous_;
            value_[newCode] = firstByte_;
            free_[newCode] = false;
            lastAssigned_ = newCode;
        }
        previous_ = static_cast<std::uint16_t>(code);
        return DecodeStatus::Ok;
    }

    BitReader& bits_;
    OutputWindow& out_;
    std::vector<std::uint16_t> parent_;
    std::vector<std::uint8_t> value_;
    std::vector<bool> free_;
    std::vector<std::uint8_t> stack_;
    unsigned codeSize_ = kMinCodeSize;
    unsigned lastAssigned_ = kControlCode;
    std::uint16_t previous_ = kNoParent;
    std::uint8_t firstByte_ = 0;
};

}  // namespace

DecodeStatus Unshrink(BitReader& bits, OutputWindow& out, std::uint64_t size)
{
    return Unshrinker(bits, out).Run(size);
}

}  // namespace vg
