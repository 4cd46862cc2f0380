#include "setup/explode.h"

#include "setup/decoder_steps.h"
#include "setup/huffman.h"

namespace vg {
namespace {

// Reads one tree: a count byte, then bytes of (repeat count - 1) << 4 |
// (bit length - 1); the repeats must add up to exactly the tree's size.
bool ReadTree(BitReader& bits, HuffmanDecoder& tree, unsigned size, unsigned primaryBits)
{
    std::uint8_t lengths[256] = {};
    const unsigned pairs = bits.Get(8) + 1;
    unsigned filled = 0;
    for (unsigned i = 0; i < pairs; ++i) {
        const std::uint32_t byte = bits.Get(8);
        const unsigned repeat = (byte >> 4) + 1;
        const auto length = static_cast<std::uint8_t>((byte & 0x0F) + 1);
        if (filled + repeat > size)
            return false;
        for (unsigned k = 0; k < repeat; ++k)
            lengths[filled++] = length;
    }
    if (filled != size || bits.Overran())
        return false;
    return tree.Assign(lengths, size, primaryBits, true) != HuffmanDecoder::Shape::OverSubscribed;
}

}  // namespace

DecodeStatus Explode(BitReader& bits, OutputWindow& out, ImplodeOptions options, std::uint64_t size)
{
    HuffmanDecoder literals;
    HuffmanDecoder lengths;
    HuffmanDecoder distances;
    if (options.LiteralTree && !ReadTree(bits, literals, 256, 9))
        return bits.Overran() ? DecodeStatus::Truncated : DecodeStatus::Malformed;
    if (!ReadTree(bits, lengths, 64, 7) || !ReadTree(bits, distances, 64, 8))
        return bits.Overran() ? DecodeStatus::Truncated : DecodeStatus::Malformed;

    const unsigned distanceLowBits = options.LargeWindow ? 7 : 6;
    const unsigned minimumLength = options.LiteralTree ? 3 : 2;
    if (size > out.Remaining())
        return DecodeStatus::Malformed;
    const std::uint64_t end = out.Total() + size;
    while (out.Total() < end) {
        if (const DecodeStatus stop = StatusBeforeNextCode(bits, out); stop != DecodeStatus::Ok)
            return stop;
        bits.Ensure(48);
        if (bits.Get(1) != 0) {
            int literal = 0;
            if (options.LiteralTree)
                literal = literals.Decode(bits);
            else
                literal = static_cast<int>(bits.Get(8));
            if (literal < 0)
                return DecodeStatus::Malformed;
            out.Put(static_cast<std::uint8_t>(literal));
            continue;
        }
        const std::uint32_t low = bits.Get(distanceLowBits);
        const int high = distances.Decode(bits);
        if (high < 0)
            return DecodeStatus::Malformed;
        const std::uint32_t distance = ((static_cast<std::uint32_t>(high) << distanceLowBits) | low) + 1;
        bits.Ensure(24);
        const int lengthCode = lengths.Decode(bits);
        if (lengthCode < 0)
            return DecodeStatus::Malformed;
        std::uint32_t length = static_cast<std::uint32_t>(lengthCode) + minimumLength;
        if (lengthCode == 63)
            length += bits.Get(8);
        // Matches before the first byte read the zeroed window.
        if (length > end - out.Total() || !out.Copy(distance, length))
            return DecodeStatus::Malformed;
    }
    return FinishDecoding(bits, out);
}

}  // namespace vg
