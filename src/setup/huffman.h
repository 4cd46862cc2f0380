#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "setup/bit_reader.h"

namespace vg {

// A prefix code given by code lengths (0 = unused symbol, at most 16 bits),
// codes assigned canonically: shorter codes first, equal lengths in symbol
// order. Codes of up to primaryBits bits are decoded with one table lookup,
// longer ones bit by bit. The legacy Implode trees send their codes with
// every bit inverted.
class HuffmanDecoder {
public:
    static constexpr unsigned kMaxLength = 16;

    enum class Shape {
        Complete,        // every bit pattern is a code
        Incomplete,      // some patterns are unused (decoding them fails)
        OverSubscribed,  // the lengths cannot form a prefix code
    };

    Shape Assign(const std::uint8_t* lengths, std::size_t count, unsigned primaryBits,
                 bool invertedBits = false);

    // Symbols with a non-zero length.
    unsigned UsedSymbols() const { return used_; }

    // The next symbol, or -1 for a bit pattern that is no code.
    // The reader must hold at least kMaxLength bits (Ensure).
    int Decode(BitReader& bits) const
    {
        std::uint32_t pattern = bits.Peek(kMaxLength);
        if (inverted_)
            pattern = ~pattern & 0xFFFF;
        const std::uint32_t entry = table_[pattern & primaryMask_];
        const unsigned length = entry >> 16;
        if (length != 0 && length <= kMaxLength) {
            bits.Drop(length);
            return static_cast<int>(entry & 0xFFFF);
        }
        return length == kSlowPath ? DecodeSlowly(bits, pattern) : -1;
    }

private:
    static constexpr unsigned kSlowPath = 0xFF;

    int DecodeSlowly(BitReader& bits, std::uint32_t pattern) const;

    std::vector<std::uint32_t> table_;  // symbol | length << 16
    std::uint32_t primaryMask_ = 0;
    std::uint16_t counts_[kMaxLength + 1] = {};
    std::vector<std::uint16_t> symbols_;  // sorted by code
    unsigned used_ = 0;
    bool inverted_ = false;
};

}  // namespace vg
