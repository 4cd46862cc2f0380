#include "setup/huffman.h"

namespace vg {
namespace {

std::uint32_t ReverseBits(std::uint32_t code, unsigned length)
{
    std::uint32_t reversed = 0;
    for (unsigned i = 0; i < length; ++i) {
        reversed = (reversed << 1) | (code & 1);
        code >>= 1;
    }
    return reversed;
}

}  // namespace

HuffmanDecoder::Shape HuffmanDecoder::Assign(const std::uint8_t* lengths, std::size_t count,
                                             unsigned primaryBits, bool invertedBits)
{
    inverted_ = invertedBits;
    for (auto& c : counts_)
        c = 0;
    for (std::size_t s = 0; s < count; ++s)
        ++counts_[lengths[s] <= kMaxLength ? lengths[s] : 0];
    used_ = static_cast<unsigned>(count - counts_[0]);
    counts_[0] = 0;

    int left = 1;
    for (unsigned len = 1; len <= kMaxLength; ++len) {
        left = left * 2 - counts_[len];
        if (left < 0)
            return Shape::OverSubscribed;
    }

    // Symbols in code order, and the first code of every length.
    std::uint16_t offsets[kMaxLength + 2] = {};
    for (unsigned len = 1; len <= kMaxLength; ++len)
        offsets[len + 1] = static_cast<std::uint16_t>(offsets[len] + counts_[len]);
    symbols_.assign(used_, 0);
    for (std::size_t s = 0; s < count; ++s)
        if (lengths[s] != 0 && lengths[s] <= kMaxLength)
            symbols_[offsets[lengths[s]]++] = static_cast<std::uint16_t>(s);

    table_.assign(std::size_t{1} << primaryBits, 0);
    primaryMask_ = (1u << primaryBits) - 1;
    std::uint32_t code = 0;
    std::size_t index = 0;
    for (unsigned len = 1; len <= kMaxLength; ++len) {
        for (unsigned k = 0; k < counts_[len]; ++k, ++code, ++index) {
            const std::uint32_t reversed = ReverseBits(code, len);
            if (len <= primaryBits) {
                const std::uint32_t entry = symbols_[index] | (len << 16);
                for (std::uint32_t slot = reversed; slot <= primaryMask_; slot += 1u << len)
                    table_[slot] = entry;
            } else {
                table_[reversed & primaryMask_] = kSlowPath << 16;
            }
        }
        code <<= 1;
    }
    return left > 0 ? Shape::Incomplete : Shape::Complete;
}

int HuffmanDecoder::DecodeSlowly(BitReader& bits, std::uint32_t pattern) const
{
    int code = 0;
    int first = 0;
    int index = 0;
    for (unsigned len = 1; len <= kMaxLength; ++len) {
        code |= static_cast<int>((pattern >> (len - 1)) & 1);
        const int count = counts_[len];
        if (code - first < count) {
            bits.Drop(len);
            return symbols_[static_cast<std::size_t>(index + code - first)];
        }
        index += count;
        first = (first + count) << 1;
        code <<= 1;
    }
    return -1;
}

}  // namespace vg
