#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "setup/byte_io.h"
#include "setup/decode_status.h"
#include "setup/progress.h"

namespace vg {

// Compressed input of one entry: read in blocks of 2,048 bytes, never more
// than the entry's compressed size, and handed out least significant bit
// first. Past the end zero bytes are supplied (decoders look ahead); once
// more of them were taken than any lookahead needs, Stopped() turns true,
// and Overran() tells whether a decoder consumed any of them.
class BitReader {
public:
    static constexpr std::size_t kBlockSize = 2048;
    static constexpr unsigned kMaxEnsure = 56;

    BitReader(ByteSource& source, std::uint64_t limit, ProgressMeter* progress)
        : source_(source), limit_(limit), progress_(progress)
    {
    }

    // Makes at least count (<= 56) bits available.
    void Ensure(unsigned count)
    {
        if (bitCount_ >= count)
            return;
        if (end_ - next_ >= 8) {
            // Eight bytes at once; the bits above bitCount_ are those of the
            // bytes still ahead of next_, so taking them again later is harmless.
            std::uint64_t word;
            std::memcpy(&word, next_, 8);
            bits_ |= word << bitCount_;
            next_ += (63 - bitCount_) >> 3;
            bitCount_ |= 56;
            return;
        }
        Refill();
    }

    // Bits held now (at least what the last Ensure asked for).
    unsigned Available() const { return bitCount_; }

    // The next count (<= 32) bits; Ensure must have made them available.
    std::uint32_t Peek(unsigned count) const
    {
        return static_cast<std::uint32_t>(bits_ & ((std::uint64_t{1} << count) - 1));
    }

    void Drop(unsigned count)
    {
        bits_ >>= count;
        bitCount_ -= count;
    }

    std::uint32_t Get(unsigned count)
    {
        Ensure(count);
        const std::uint32_t value = Peek(count);
        Drop(count);
        return value;
    }

    void AlignToByte() { Drop(bitCount_ & 7); }

    // Copies whole bytes after AlignToByte; returns how many were real input.
    std::size_t ReadAlignedBytes(std::uint8_t* data, std::size_t size);

    bool Stopped() const { return paddingBytes_ > kPaddingAllowance || Aborted(); }
    bool Aborted() const { return progress_ != nullptr && progress_->Aborted(); }
    bool Overran() const { return paddingBytes_ * 8 > bitCount_; }

    // The status of a decoder that stopped because Stopped() turned true.
    DecodeStatus StopStatus() const
    {
        return Aborted() ? DecodeStatus::Aborted : DecodeStatus::Truncated;
    }

    // Bytes taken from the source so far.
    std::uint64_t BytesFetched() const { return fetched_; }

private:
    static constexpr std::uint64_t kPaddingAllowance = 16;

    void Refill();
    bool FetchBlock();

    ByteSource& source_;
    std::uint64_t limit_;
    ProgressMeter* progress_;
    std::uint8_t block_[kBlockSize + 8] = {};
    const std::uint8_t* next_ = block_;
    const std::uint8_t* end_ = block_;
    std::uint64_t fetched_ = 0;
    bool sourceEnded_ = false;
    std::uint64_t bits_ = 0;
    unsigned bitCount_ = 0;
    std::uint64_t paddingBytes_ = 0;
};

}  // namespace vg
