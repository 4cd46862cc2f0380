#include "setup/inflate.h"

#include <cstdint>

#include "setup/decoder_steps.h"
#include "setup/huffman.h"

namespace vg {
namespace {

constexpr unsigned kLiteralBits = 10;
constexpr unsigned kDistanceBits = 8;
constexpr int kEndOfBlock = 256;
constexpr unsigned kLengthSymbols = 286;    // 257 + 29 length codes
constexpr unsigned kDistanceSymbols = 30;

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                             33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Order in which the code-length code lengths are sent.
constexpr std::uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5,
                                               11, 4,  12, 3, 13, 2, 14, 1, 15};

class Inflater {
public:
    Inflater(BitReader& bits, OutputWindow& out) : bits_(bits), out_(out) {}

    DecodeStatus Run()
    {
        bool last = false;
        while (!last) {
            if (const DecodeStatus stop = StatusBeforeNextCode(bits_, out_); stop != DecodeStatus::Ok)
                return stop;
            last = bits_.Get(1) != 0;
            DecodeStatus status = DecodeStatus::Malformed;
            switch (bits_.Get(2)) {
            case 0: status = StoredBlock(); break;
            case 1: status = FixedBlock(); break;
            case 2: status = DynamicBlock(); break;
            default: break;  // block type 3 is reserved
            }
            if (status != DecodeStatus::Ok)
                return status;
        }
        return FinishDecoding(bits_, out_);
    }

private:
    DecodeStatus StoredBlock()
    {
        bits_.AlignToByte();
        const std::uint32_t length = bits_.Get(16);
        const std::uint32_t complement = bits_.Get(16);
        if (length != (~complement & 0xFFFF))
            return bits_.Overran() ? DecodeStatus::Truncated : DecodeStatus::Malformed;
        std::uint8_t chunk[4096];
        std::uint32_t left = length;
        while (left > 0) {
            const std::size_t n = left < sizeof chunk ? left : sizeof chunk;
            if (bits_.ReadAlignedBytes(chunk, n) != n || bits_.Overran())
                return bits_.Aborted() ? DecodeStatus::Aborted : DecodeStatus::Truncated;
            if (!out_.Append(chunk, n))
                return DecodeStatus::Malformed;
            left -= static_cast<std::uint32_t>(n);
        }
        return DecodeStatus::Ok;
    }

    DecodeStatus FixedBlock()
    {
        if (!fixedReady_) {
            std::uint8_t lengths[288];
            for (int s = 0; s < 288; ++s)
                lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
            fixedLiterals_.Assign(lengths, 288, kLiteralBits);
            for (auto& l : lengths)
                l = 5;
            fixedDistances_.Assign(lengths, 32, kDistanceBits);
            fixedReady_ = true;
        }
        return Codes(fixedLiterals_, fixedDistances_);
    }

    DecodeStatus DynamicBlock()
    {
        const unsigned literalCount = bits_.Get(5) + 257;
        const unsigned distanceCount = bits_.Get(5) + 1;
        const unsigned codeLengthCount = bits_.Get(4) + 4;
        if (literalCount > kLengthSymbols || distanceCount > kDistanceSymbols)
            return DecodeStatus::Malformed;

        std::uint8_t codeLengthLengths[19] = {};
        for (unsigned i = 0; i < codeLengthCount; ++i)
            codeLengthLengths[kCodeLengthOrder[i]] = static_cast<std::uint8_t>(bits_.Get(3));
        HuffmanDecoder codeLengths;
        if (codeLengths.Assign(codeLengthLengths, 19, 7) != HuffmanDecoder::Shape::Complete)
            return DecodeStatus::Malformed;

        std::uint8_t lengths[kLengthSymbols + kDistanceSymbols] = {};
        const unsigned total = literalCount + distanceCount;
        unsigned index = 0;
        while (index < total) {
            if (bits_.Stopped())
                return bits_.StopStatus();
            bits_.Ensure(HuffmanDecoder::kMaxLength + 7);
            const int symbol = codeLengths.Decode(bits_);
            if (symbol < 0)
                return DecodeStatus::Malformed;
            if (symbol < 16) {
                lengths[index++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            unsigned repeat = 0;
            if (symbol == 16) {
                if (index == 0)
                    return DecodeStatus::Malformed;
                value = lengths[index - 1];
                repeat = 3 + bits_.Get(2);
            } else if (symbol == 17) {
                repeat = 3 + bits_.Get(3);
            } else {
                repeat = 11 + bits_.Get(7);
            }
            if (index + repeat > total)
                return DecodeStatus::Malformed;
            while (repeat-- > 0)
                lengths[index++] = value;
        }
        if (lengths[kEndOfBlock] == 0)
            return DecodeStatus::Malformed;

        // An incomplete code is accepted only in the one form encoders
        // produce: a single code of one bit.
        if (!AcceptableShape(literals_.Assign(lengths, literalCount, kLiteralBits), literals_) ||
            !AcceptableShape(distances_.Assign(lengths + literalCount, distanceCount, kDistanceBits),
                             distances_))
            return DecodeStatus::Malformed;
        return Codes(literals_, distances_);
    }

    static bool AcceptableShape(HuffmanDecoder::Shape shape, const HuffmanDecoder& code)
    {
        return shape == HuffmanDecoder::Shape::Complete ||
               (shape == HuffmanDecoder::Shape::Incomplete && code.UsedSymbols() <= 1);
    }

    DecodeStatus Codes(const HuffmanDecoder& literals, const HuffmanDecoder& distances)
    {
        for (;;) {
            if (bits_.Stopped())
                return bits_.StopStatus();
            bits_.Ensure(48);  // longest symbol: 15 + 5 + 15 + 13 bits
            int symbol = literals.Decode(bits_);
            if (symbol < kEndOfBlock) {
                if (symbol < 0)
                    return DecodeStatus::Malformed;
                if (!out_.Put(static_cast<std::uint8_t>(symbol)))
                    return DecodeStatus::Malformed;
                // Runs of literals: a second code from the same bits.
                if (bits_.Available() < HuffmanDecoder::kMaxLength)
                    continue;
                symbol = literals.Decode(bits_);
                if (symbol < kEndOfBlock) {
                    if (symbol < 0)
                        return DecodeStatus::Malformed;
                    if (!out_.Put(static_cast<std::uint8_t>(symbol)))
                        return DecodeStatus::Malformed;
                    continue;
                }
                if (bits_.Available() < 33) {
                    // Not enough left for the longest length and distance:
                    // take more before going on with this symbol.
                    bits_.Ensure(33);
                }
            }
            if (symbol == kEndOfBlock)
                return out_.WriteFailed() ? DecodeStatus::WriteFailed : DecodeStatus::Ok;
            const unsigned lengthIndex = static_cast<unsigned>(symbol) - 257;
            if (lengthIndex >= 29)
                return DecodeStatus::Malformed;  // symbols 286 and 287
            // The 48 bits ensured above hold the extra bits and the distance.
            const unsigned lengthExtra = kLengthExtra[lengthIndex];
            const std::uint32_t length = kLengthBase[lengthIndex] + bits_.Peek(lengthExtra);
            bits_.Drop(lengthExtra);
            const int distanceSymbol = distances.Decode(bits_);
            if (distanceSymbol < 0 || distanceSymbol >= static_cast<int>(kDistanceSymbols))
                return DecodeStatus::Malformed;  // no code, or symbols 30 and 31
            const unsigned distanceExtra = kDistanceExtra[distanceSymbol];
            const std::uint32_t distance = kDistanceBase[distanceSymbol] + bits_.Peek(distanceExtra);
            bits_.Drop(distanceExtra);
            if (distance > out_.Total() || !out_.Copy(distance, length))
                return DecodeStatus::Malformed;
        }
    }

    BitReader& bits_;
    OutputWindow& out_;
    HuffmanDecoder literals_;
    HuffmanDecoder distances_;
    HuffmanDecoder fixedLiterals_;
    HuffmanDecoder fixedDistances_;
    bool fixedReady_ = false;
};

}  // namespace

DecodeStatus Inflate(BitReader& bits, OutputWindow& out)
{
    return Inflater(bits, out).Run();
}

}  // namespace vg
