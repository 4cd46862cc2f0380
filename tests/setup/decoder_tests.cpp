#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "setup/bit_reader.h"
#include "setup/explode.h"
#include "setup/inflate.h"
#include "setup/output_window.h"
#include "setup/unreduce.h"
#include "setup/unshrink.h"
#include "setup/zip_test_support.h"

namespace vg {
namespace {

using test::BitWriter;
using test::Bytes;
using test::FixedDeflateWriter;
using test::ToBytes;

struct Decoded {
    DecodeStatus Status;
    std::string Text;
};

using DecoderCall = std::function<DecodeStatus(BitReader&, OutputWindow&)>;

Decoded RunDecoder(const Bytes& input, std::uint64_t limit, const DecoderCall& decoder)
{
    MemorySource source(input.data(), input.size());
    VectorSink sink;
    BitReader bits(source, input.size(), nullptr);
    OutputWindow out(sink, limit);
    const DecodeStatus status = decoder(bits, out);
    out.Finish();
    return {status, std::string(sink.Bytes.begin(), sink.Bytes.end())};
}

Decoded RunInflate(const Bytes& input, std::uint64_t limit = 1 << 20)
{
    return RunDecoder(input, limit, [](BitReader& b, OutputWindow& o) { return Inflate(b, o); });
}

Bytes FixedLiterals(const std::string& text)
{
    FixedDeflateWriter w;
    for (const char c : text)
        w.Literal(static_cast<unsigned char>(c));
    return w.End();
}

TEST(Inflate, decodesEveryBlockKind_whenStreamValid)
{
    EXPECT_EQ(RunInflate(test::DeflateStored(ToBytes("stored bytes"))).Text, "stored bytes");
    EXPECT_EQ(RunInflate(FixedLiterals("fixed \xF0\xFF")).Text, "fixed \xF0\xFF");

    FixedDeflateWriter w;
    for (const char c : std::string("ab"))
        w.Literal(static_cast<unsigned char>(c));
    w.Match(7, 2);  // overlapping copy
    w.Literal('!');
    const Decoded d = RunInflate(w.End());
    EXPECT_EQ(d.Status, DecodeStatus::Ok);
    EXPECT_EQ(d.Text, "ababababa!");
}

TEST(Inflate, decodesDynamicBlock_whenHeaderValid)
{
    // Literal/length code: 'a' and 'b' and end-of-block, lengths 1, 2, 2;
    // one distance code of length 1 (the single incomplete code allowed).
    BitWriter w;
    w.Bits(1, 1);
    w.Bits(2, 2);
    w.Bits(0, 5);   // 257 literal/length codes
    w.Bits(0, 5);   // 1 distance code
    w.Bits(14, 4);  // 18 code-length code lengths, in the sending order
    // Code-length alphabet used: 0, 1, 2, 18 -> lengths 2, 2, 2, 2 (complete).
    const unsigned order[18] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1};
    for (const unsigned symbol : order)
        w.Bits(symbol == 0 || symbol == 1 || symbol == 2 || symbol == 18 ? 2 : 0, 3);
    // Canonical codes: 0 -> 00, 1 -> 01, 2 -> 10, 18 -> 11.
    auto zeros = [&](unsigned n) {
        w.Code(3, 2);
        w.Bits(n - 11, 7);
    };
    zeros(97);         // 0..96
    w.Code(1, 2);      // 'a' = 1
    w.Code(2, 2);      // 'b' = 2
    zeros(138);        // 99..236
    zeros(19);         // 237..255
    w.Code(2, 2);      // 256 = 2
    w.Code(1, 2);      // distance 0 = 1
    // Codes: 'a' -> 0, 'b' -> 10, end -> 11.
    w.Code(0, 1);
    w.Code(2, 2);
    w.Code(0, 1);
    w.Code(3, 2);
    const Decoded d = RunInflate(w.Finish());
    EXPECT_EQ(d.Status, DecodeStatus::Ok);
    EXPECT_EQ(d.Text, "aba");
}

TEST(Inflate, rejectsMalformedStreams_whenCodesDoNotFit)
{
    struct Row {
        const char* what;
        Bytes stream;
        DecodeStatus expected;
    };
    std::vector<Row> rows;
    {
        BitWriter w;
        w.Bits(1, 1);
        w.Bits(3, 2);
        rows.push_back({"block type 3", w.Finish(), DecodeStatus::Malformed});
    }
    {
        BitWriter w;
        w.Bits(1, 1);
        w.Bits(0, 2);
        w.AlignToByte();
        w.Bits(5, 16);
        w.Bits(5, 16);
        rows.push_back({"stored length and complement disagree", w.Finish(), DecodeStatus::Malformed});
    }
    for (const unsigned symbol : {286u, 287u}) {
        FixedDeflateWriter w;
        w.Literal('a');
        w.Literal(symbol);
        w.Writer().Bits(0, 16);
        rows.push_back({"length symbol 286/287", w.End(), DecodeStatus::Malformed});
    }
    for (const unsigned symbol : {30u, 31u}) {
        FixedDeflateWriter w;
        w.Literal('a');
        w.Literal(257);
        w.DistanceSymbol(symbol);
        w.Writer().Bits(0, 16);
        rows.push_back({"distance symbol 30/31", w.End(), DecodeStatus::Malformed});
    }
    {
        FixedDeflateWriter w;
        w.Literal('a');
        w.Match(3, 2);
        rows.push_back({"distance before the start", w.End(), DecodeStatus::Malformed});
    }
    {
        BitWriter w;
        w.Bits(1, 1);
        w.Bits(2, 2);
        w.Bits(0, 5);
        w.Bits(0, 5);
        w.Bits(15, 4);
        for (int i = 0; i < 19; ++i)
            w.Bits(1, 3);  // nineteen one-bit codes
        w.Bits(0, 32);
        rows.push_back({"over-subscribed code lengths", w.Finish(), DecodeStatus::Malformed});
    }
    {
        BitWriter w;
        w.Bits(1, 1);
        w.Bits(2, 2);
        w.Bits(30, 5);  // 287 literal/length codes
        w.Bits(0, 5);
        w.Bits(0, 4);
        w.Bits(0, 32);
        rows.push_back({"287 literal/length codes", w.Finish(), DecodeStatus::Malformed});
    }
    {
        Bytes cut = FixedLiterals("this stream is cut short");
        cut.resize(cut.size() / 2);
        rows.push_back({"input ends early", cut, DecodeStatus::Truncated});
    }
    {
        // Empty non-final fixed blocks forever: the end of the input stops it.
        BitWriter w;
        for (int i = 0; i < 8; ++i) {
            w.Bits(0, 1);
            w.Bits(1, 2);
            w.Code(0, 7);
        }
        rows.push_back({"never a final block", w.Finish(), DecodeStatus::Truncated});
    }
    for (const Row& r : rows)
        EXPECT_EQ(RunInflate(r.stream).Status, r.expected) << r.what;
}

TEST(Inflate, stops_whenOutputPassesDeclaredSize)
{
    EXPECT_EQ(RunInflate(FixedLiterals("123456"), 5).Status, DecodeStatus::Malformed);
    FixedDeflateWriter w;
    w.Literal('x');
    w.Match(258, 1);
    EXPECT_EQ(RunInflate(w.End(), 100).Status, DecodeStatus::Malformed);
    EXPECT_EQ(RunInflate(FixedLiterals("123456"), 6).Status, DecodeStatus::Ok);
}

Decoded RunUnshrink(const std::vector<unsigned>& codes, std::uint64_t size, const std::vector<unsigned>& widths = {})
{
    BitWriter w;
    for (std::size_t i = 0; i < codes.size(); ++i)
        w.Bits(codes[i], i < widths.size() ? widths[i] : 9);
    return RunDecoder(w.Finish(), 1 << 16, [size](BitReader& b, OutputWindow& o) { return Unshrink(b, o, size); });
}

TEST(Unshrink, decodesCodes_whenStringsAreKnown)
{
    // a b <ab> <ba> <aba, made from 258 before it exists>
    const Decoded d = RunUnshrink({'a', 'b', 257, 258, 260}, 9);
    EXPECT_EQ(d.Status, DecodeStatus::Ok);
    EXPECT_EQ(d.Text, "a" "b" "ab" "ba" "bab");
}

TEST(Unshrink, widensCode_whenControlCodeFollowedByOne)
{
    const Decoded d = RunUnshrink({'a', 256, 1, 'b', 257}, 4, {9, 9, 9, 10, 10});
    EXPECT_EQ(d.Status, DecodeStatus::Ok);
    EXPECT_EQ(d.Text, "abab");
}

TEST(Unshrink, reusesFreedCodes_whenPartiallyCleared)
{
    // a b a makes 257 "ab" and 258 "ba"; the clear frees both (neither is a
    // prefix), so after "c" the code 257 is made again, now as "ac".
    const Decoded d = RunUnshrink({'a', 'b', 'a', 256, 2, 'c', 257}, 6);
    EXPECT_EQ(d.Status, DecodeStatus::Ok);
    EXPECT_EQ(d.Text, "abac" "ac");
}

TEST(Unshrink, rejectsCodes_whenOutsideTheTable)
{
    struct Row {
        const char* what;
        std::vector<unsigned> codes;
        std::vector<unsigned> widths;
    };
    const Row rows[] = {
        {"first code not a literal", {300, 'a'}, {}},
        {"free code that is not the next one", {'a', 'b', 300}, {}},
        {"unknown control follower", {'a', 256, 3, 'b'}, {}},
        {"code size beyond 13 bits", {'a', 256, 1, 256, 1, 256, 1, 256, 1, 256, 1, 'b'}, {9, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(RunUnshrink(r.codes, 100, r.widths).Status, DecodeStatus::Malformed) << r.what;
}

// Reduce streams with every follower set empty, so each byte is sent as 8 bits.
Bytes ReduceStream(const std::vector<unsigned>& bytes, unsigned countForZero = 0)
{
    BitWriter w;
    for (int c = 255; c >= 0; --c) {
        const unsigned count = c == 0 ? countForZero : 0;
        w.Bits(count, 6);
        for (unsigned i = 0; i < count && i < 32; ++i)
            w.Bits(i + 'A', 8);
    }
    for (const unsigned b : bytes)
        w.Bits(b, 8);
    return w.Finish();
}

Decoded RunUnreduce(const Bytes& stream, unsigned factor, std::uint64_t size)
{
    return RunDecoder(stream, 1 << 16, [=](BitReader& b, OutputWindow& o) { return Unreduce(b, o, factor, size); });
}

TEST(Unreduce, expandsEscapesAndCopies_whenFactorVaries)
{
    EXPECT_EQ(RunUnreduce(ReduceStream({'A', 0x90, 0x00, 'B'}), 1, 3).Text, "A\x90" "B");
    // 0x90, V, C: length V & mask, distance ((V >> (8 - factor)) << 8) + C + 1.
    EXPECT_EQ(RunUnreduce(ReduceStream({'a', 'b', 'c', 0x90, 0x01, 0x02}), 1, 7).Text, "abcabca");
    EXPECT_EQ(RunUnreduce(ReduceStream({'x', 'y', 0x90, 0x0F, 0x02, 0x01}), 4, 22).Text,
              "xy" + std::string("xyxyxyxyxyxyxyxyxyxy"));
}

TEST(Unreduce, rejectsFollowerSets_whenTheyDoNotFit)
{
    EXPECT_EQ(RunUnreduce(ReduceStream({'a'}, 33), 1, 1).Status, DecodeStatus::Malformed);
    // Byte 0 has 3 followers (2 index bits); index 3 is outside the set.
    BitWriter w;
    for (int c = 255; c >= 0; --c) {
        w.Bits(c == 0 ? 3 : 0, 6);
        if (c == 0)
            w.Bits(0x4142'43, 24);
    }
    w.Bits(0, 1);
    w.Bits(3, 2);
    EXPECT_EQ(RunUnreduce(w.Finish(), 1, 1).Status, DecodeStatus::Malformed);
}

TEST(Explode, rejectsTrees_whenLengthsDoNotAddUp)
{
    BitWriter w;
    w.Bits(0, 8);      // one pair
    w.Bits(0x0F, 8);   // 1 code of 16 bits: 63 short of 64
    w.Bits(0, 64);
    const Decoded d = RunDecoder(w.Finish(), 100, [](BitReader& b, OutputWindow& o) {
        return Explode(b, o, ImplodeOptions{}, 10);
    });
    EXPECT_EQ(d.Status, DecodeStatus::Malformed);
}

TEST(Decoders, reportTruncation_whenInputEndsEarly)
{
    const Bytes reduced = ReduceStream({'a', 'b', 'c'});
    EXPECT_EQ(RunUnreduce(reduced, 2, 50).Status, DecodeStatus::Truncated);
    EXPECT_EQ(RunUnshrink({'a', 'b'}, 50).Status, DecodeStatus::Truncated);
}

}  // namespace
}  // namespace vg
