#include "setup/bit_reader.h"

#include <algorithm>
#include <cstring>

namespace vg {

void BitReader::Refill()
{
    while (bitCount_ <= kMaxEnsure) {
        if (end_ - next_ >= 8) {
            // Eight bytes at once; the bits above bitCount_ are those of the
            // bytes still ahead of next_, so taking them again later is harmless.
            std::uint64_t word = 0;
            std::memcpy(&word, next_, 8);
            bits_ |= word << bitCount_;
            next_ += (63 - bitCount_) >> 3;
            bitCount_ |= 56;
            return;
        }
        if (next_ == end_ && !FetchBlock()) {
            ++paddingBytes_;  // a zero byte past the end
            bitCount_ += 8;
            continue;
        }
        bits_ |= static_cast<std::uint64_t>(*next_++) << bitCount_;
        bitCount_ += 8;
    }
}

bool BitReader::FetchBlock()
{
    if (sourceEnded_)
        return false;
    if (progress_ != nullptr)
        progress_->Update(fetched_);
    const std::uint64_t left = limit_ - fetched_;
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, left));
    const std::size_t got = wanted == 0 ? 0 : source_.Read(block_, wanted);
    if (got < wanted || got == left)
        sourceEnded_ = true;
    if (got == 0)
        return false;
    fetched_ += got;
    next_ = block_;
    end_ = block_ + got;
    return true;
}

std::size_t BitReader::ReadAlignedBytes(std::uint8_t* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size && bitCount_ >= 8) {
        data[done++] = static_cast<std::uint8_t>(bits_);
        Drop(8);
    }
    if (done == size)
        return done;
    bits_ = 0;  // the look-ahead bits belong to the bytes copied below
    while (done < size) {
        if (next_ == end_ && !FetchBlock())
            break;
        const std::size_t n = std::min<std::size_t>(size - done, static_cast<std::size_t>(end_ - next_));
        std::memcpy(data + done, next_, n);
        next_ += n;
        done += n;
    }
    return done;
}

}  // namespace vg
