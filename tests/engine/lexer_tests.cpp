#include <gtest/gtest.h>

#include "engine/lexer.h"
#include "engine_test_support.h"
#include "support/readable_test_names.h"

namespace vg {
namespace {

using test::Codes;
using test::Lex;
using V = std::vector<int>;

struct LexRow {
    const char* formula;
    V codes;  // without the enclosing parentheses
};

class LexerCodes : public ::testing::TestWithParam<LexRow> {};

TEST_P(LexerCodes, producesLexemes_whenFormulaIsValid)
{
    EngineError error = 99;
    TStackList list = Lex(GetParam().formula, error);
    ASSERT_EQ(error, 0) << GetParam().formula;
    V expected = {2};
    expected.insert(expected.end(), GetParam().codes.begin(), GetParam().codes.end());
    expected.push_back(3);
    EXPECT_EQ(Codes(list), expected) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(ImpliedMultiplication, LexerCodes, ::testing::Values(
    LexRow{"2X", {0, 33, 4}},
    LexRow{"2(X+1)", {0, 33, 2, 4, 32, 0, 3}},
    LexRow{"(X+1)(X-1)", {2, 4, 32, 0, 3, 33, 2, 4, 31, 0, 3}},
    LexRow{"X(X+1)", {4, 33, 2, 4, 32, 0, 3}},
    LexRow{"2SIN(X)", {0, 33, 101, 2, 4, 3}},
    LexRow{"2PI", {0, 33, 0}},
    LexRow{"XX", {4, 33, 4}},
    LexRow{"1 2", {0, 33, 0}},
    LexRow{"XSIN(X)", {4, 33, 101, 2, 4, 3}}),
    test::NamesFrom<LexRow>([](const LexRow& r) { return std::string(r.formula); }));

INSTANTIATE_TEST_SUITE_P(MinusRules, LexerCodes, ::testing::Values(
    LexRow{"-X", {10, 4}},
    LexRow{"X-1", {4, 31, 0}},
    LexRow{"X<-1", {4, 35, 10, 0}},
    LexRow{"NOT -X", {11, 10, 4}},
    LexRow{"X=1 AND -X<0", {4, 40, 0, 41, 10, 4, 35, 0}},
    LexRow{"(-X)", {2, 10, 4, 3}}),
    test::NamesFrom<LexRow>([](const LexRow& r) { return std::string(r.formula); }));

INSTANTIATE_TEST_SUITE_P(Keywords, LexerCodes, ::testing::Values(
    LexRow{"sin(x)", {101, 2, 4, 3}},
    LexRow{"Sqrt(X)<=X>=X<>X", {103, 2, 4, 3, 37, 4, 38, 4, 39, 4}},
    LexRow{"ASINH(X)^ACOTH(X)", {119, 2, 4, 3, 30, 122, 2, 4, 3}},
    LexRow{"X xor X or X", {4, 43, 4, 42, 4}},
    LexRow{"random(round(sign(X)))", {123, 2, 124, 2, 125, 2, 4, 3, 3, 3}}),
    test::NamesFrom<LexRow>([](const LexRow& r) { return std::string(r.formula); }));

TEST(Lexer, readsNumbers_inExtendedPrecision)
{
    struct Row { const char* text; Extended value; };
    for (const Row& r : {Row{".5", 0.5L}, Row{"5.", 5}, Row{"0.1", 0.1L}, Row{".", 0},
                         Row{"3.14159265358979323846", 3.14159265358979323846L},
                         Row{"000012.50", 12.5L}}) {
        EngineError error = 99;
        TStackList list = Lex(r.text, error);
        ASSERT_EQ(error, 0) << r.text;
        ASSERT_EQ(list.Count(), 3u);
        EXPECT_EQ(list[1].Code, lex::Number);
        EXPECT_EQ(list[1].Value, r.value) << r.text;
    }
    EngineError error = 99;
    TStackList list = Lex("pi", error);
    EXPECT_EQ(list[1].Value, 3.14159265358979323846264338327950288L);
}

TEST(Lexer, rejectsWithCode_whenTextIsMalformed)
{
    struct Row { const char* formula; EngineError code; };
    for (const Row& r : {Row{"SINX", 1}, Row{"SIN X", 2}, Row{"1.5.2", 1}, Row{"2*-3", 1},
                         Row{"X^-2", 1}, Row{"2* -3", 2}, Row{"X+ *2", 2}, Row{"--X", 1},
                         Row{"- -X", 2}, Row{"$", 1}, Row{"1,5", 1}, Row{"Y", 1}, Row{"X Y", 1},
                         Row{"", 2}, Row{"X+", 2}, Row{"SIN", 2}, Row{"NOT", 2},
                         Row{"X NOT X", 2}, Row{"\xC3\xA9", 1}, Row{"1e5", 1}}) {
        EngineError error = 0;
        Lex(r.formula, error);
        EXPECT_EQ(error, r.code) << r.formula;
    }
}

TEST(Lexer, givesVariableCode_whenNameSpellsKeyword)
{
    EngineError error = 99;
    TStackList list = TLexAnalysator().Analyse("(sin+LN(sin))", "SIN", error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(Codes(list), (V{2, 4, 32, 109, 2, 4, 3, 3}));
    list = TLexAnalysator2Var().Analyse("(a*b)", "A", "b", error);
    ASSERT_EQ(error, 0);
    EXPECT_EQ(Codes(list), (V{2, 4, 33, 5, 3}));
}

TEST(Lexer, staysLinear_whenWordIsVeryLong)
{
    EngineError error = 99;
    TStackList list = Lex(std::string(50000, 'x'), error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(list.Count(), 2u + 50000u * 2 - 1);
    Lex(std::string(50000, 'q'), error);
    EXPECT_EQ(error, 1);
}

TEST(StringUtilities, changeOnlyWhatTheyName)
{
    EXPECT_EQ(UpperCaseCopy("sin(x) + \xC3\xA9z_1"), "SIN(X) + \xC3\xA9Z_1");
    EXPECT_EQ(RemoveSpaces("  a b\tc  "), "ab\tc");
}

TEST(StackList, behavesAsStack_withTopLastPushed)
{
    TStackList list;
    LexCode code = 0;
    Extended value = 0;
    EXPECT_FALSE(list.Pop(code, value));
    list.Push(0, 1.5L);
    list.Push(33);
    list.Push(4);
    ASSERT_TRUE(list.Peek(2, code, value));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(value, 1.5L);
    EXPECT_FALSE(list.Peek(3, code, value));
    list.Reverse();
    ASSERT_TRUE(list.Pop(code, value));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(list.Count(), 2u);
}

}  // namespace
}  // namespace vg
