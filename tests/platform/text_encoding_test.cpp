#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace vg {
namespace {

TEST(TextEncoding, decodesUtf8_andReadsOtherBytesAsWindows1252)
{
    struct Row {
        std::string bytes;
        std::string expected;
    } rows[] = {
        {"plain", "plain"},
        {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xC3\xB6\xC3\x9F" "e"},  // valid UTF-8 stays
        {"Gr\xF6\xDF" "e", "Gr\xC3\xB6\xC3\x9F" "e"},          // the same in Windows-1252
        {"\x80 \x9F \x81", "\xE2\x82\xAC \xC5\xB8 \xC2\x81"},  // euro, Y diaeresis, unassigned
        {"\xC3", "\xC3\x83"},                                   // truncated sequence
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                       // overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},       // surrogate
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Row& r : rows) EXPECT_EQ(DecodeUtf8OrWindows1252(r.bytes), r.expected) << r.bytes;
}

TEST(TextEncoding, stripsByteOrderMark_onlyAtStart)
{
    EXPECT_EQ(StripUtf8Bom("\xEF\xBB\xBFx"), "x");
    EXPECT_EQ(StripUtf8Bom("x\xEF\xBB\xBF"), "x\xEF\xBB\xBF");
}

TEST(TextEncoding, foldsCaseOfLettersBeyondAscii)
{
    EXPECT_EQ(FoldCase("Minimum X"), "minimum x");
    EXPECT_EQ(FoldCase("\xC3\x84RGER \xC3\x97"), "\xC3\xA4rger \xC3\x97");  // Ä -> ä, × stays
    EXPECT_EQ(FoldCase("\xC5\x81\xC3\x93" "D\xC5\xB9"), "\xC5\x82\xC3\xB3" "d\xC5\xBA");
    EXPECT_EQ(FoldCase("\xD0\x9F\xD0\xA0"), "\xD0\xBF\xD1\x80");  // Cyrillic
    EXPECT_EQ(FoldAsciiCase("[Common]\xC3\x84"), "[common]\xC3\x84");
}

}  // namespace
}  // namespace vg
