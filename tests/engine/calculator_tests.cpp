#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/numeric_utils.h"
#include "engine_test_support.h"
#include "support/readable_test_names.h"

namespace vg {
namespace {

using test::Evaluate;

constexpr Extended kPi = 3.14159265358979323846264338327950288L;

struct ValueRow {
    const char* formula;
    Extended x;
    Extended expected;
};

class Values : public ::testing::TestWithParam<ValueRow> {};

TEST_P(Values, evaluatesTo_expectedValue)
{
    const test::Outcome o = Evaluate(GetParam().formula, GetParam().x);
    ASSERT_EQ(o.code, 0) << GetParam().formula;
    EXPECT_EQ(o.value, NearZero(GetParam().expected)) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(Operations, Values, ::testing::Values(
    ValueRow{"0^2", 0, 0}, ValueRow{"EXP(-2000)", 0, 0}, ValueRow{"2^(-5000)", 0, 0},
    ValueRow{"ASIN(1)", 0, kPi / 2}, ValueRow{"ACOS(-1)", 0, kPi}, ValueRow{"ACOS(1)", 0, 0},
    ValueRow{"ASIN(-1)", 0, -kPi / 2}, ValueRow{"INT(-2.5)", 0, -3}, ValueRow{"INT(2.5)", 0, 2},
    ValueRow{"FRAC(-2.5)", 0, 0.5L}, ValueRow{"FRAC(X)", 1e20L, 0},
    ValueRow{"ROUND(-2.5)", 0, -3}, ValueRow{"ROUND(2.5)", 0, 3}, ValueRow{"ROUND(2.4999)", 0, 2},
    ValueRow{"SIGN(0)", 0, 0}, ValueRow{"SIGN(-X)", 3, -1},
    ValueRow{"SIN(X)", 0x1p63L, 0}, ValueRow{"COS(X)", -0x1p63L, 0}, ValueRow{"COS(0)", 0, 1},
    ValueRow{"2>1", 0, 1}, ValueRow{"NOT 0", 0, 1}, ValueRow{"NOT -1", 0, 1},
    ValueRow{"NOT 2", 0, 0}, ValueRow{"3 AND -1", 0, 0}, ValueRow{"0.5 XOR 0", 0, 1},
    ValueRow{"1 OR 0", 0, 1}, ValueRow{"X<=2", 2, 1}, ValueRow{"X<>2", 2, 0},
    ValueRow{"X=2", 2, 1}, ValueRow{"X>=3", 2, 0},
    ValueRow{"1/3*3", 0, 1}, ValueRow{"LG(1000)", 0, 3}, ValueRow{"LN(EXP(1))", 0, 1},
    ValueRow{"SQRT(X)", 2, std::sqrt(2.0L)}, ValueRow{"ABS(-X)", 2, 2},
    ValueRow{"TANH(X)", 0.5L, std::tanh(0.5L)}, ValueRow{"COTH(X)", 2, 1 / std::tanh(2.0L)},
    ValueRow{"SINH(X)", 3, std::sinh(3.0L)}, ValueRow{"COSH(X)", 3, std::cosh(3.0L)},
    ValueRow{"ACOSH(1)", 0, 0}, ValueRow{"ACOSH(X)", 10, std::acosh(10.0L)},
    ValueRow{"ATANH(X)", 0.5L, std::atanh(0.5L)}, ValueRow{"ACOTH(X)", 2, std::atanh(0.5L)},
    ValueRow{"ASINH(X)", 3, std::asinh(3.0L)}, ValueRow{"ASINH(X)", -3, std::asinh(-3.0L)},
    ValueRow{"ASINH(X)", -1e10L, std::asinh(-1e10L)}, ValueRow{"TAN(X)", 1, std::tan(1.0L)},
    ValueRow{"COT(X)", 1, 1 / std::tan(1.0L)}, ValueRow{"ATAN(X)", 1, kPi / 4},
    ValueRow{"X", 1e-201L, 0}, ValueRow{"X", 1e2001L, 1e2001L}),
    test::NamesFrom<ValueRow>([](const ValueRow& r) { return std::string(r.formula); }));

INSTANTIATE_TEST_SUITE_P(PowerOfNegativeBase, Values, ::testing::Values(
    ValueRow{"(-8)^(1/3)", 0, -2}, ValueRow{"(-2)^3", 0, -8}, ValueRow{"(-2)^2", 0, 4},
    ValueRow{"(-2)^(-1)", 0, -0.5L}, ValueRow{"(-32)^(1/5)", 0, -2},
    ValueRow{"(-8)^(-1/3)", 0, -0.5L}, ValueRow{"X^0", -5, 1}, ValueRow{"2^3^2", 0, 512}),
    test::NamesFrom<ValueRow>([](const ValueRow& r) { return std::string(r.formula); }));

INSTANTIATE_TEST_SUITE_P(Cancellation, Values, ::testing::Values(
    ValueRow{"0.1+0.2-0.3", 0, 0}, ValueRow{"X-X", 1e300L, 0}, ValueRow{"X+1-1", 1e-30L, 0},
    ValueRow{"X-1", 1 + 0x1p-50L, 0x1p-50L}, ValueRow{"X-1", 1 + 0x1p-54L, 0},
    ValueRow{"1-X", 1 + 0x1p-54L, 0}, ValueRow{"X+X", 1e-60L, 2e-60L},
    ValueRow{"X+0", 1e-60L, 1e-60L}),
    test::NamesFrom<ValueRow>([](const ValueRow& r) { return std::string(r.formula); }));

struct ErrorRow {
    const char* formula;
    Extended x;
    EngineError code;
};

class Undefined : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(Undefined, reportsCode_whenFunctionHasNoValue)
{
    EXPECT_EQ(Evaluate(GetParam().formula, GetParam().x).code, GetParam().code)
        << GetParam().formula << " at " << static_cast<double>(GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(DomainEdges, Undefined, ::testing::Values(
    ErrorRow{"1/0", 0, 7}, ErrorRow{"1/X", 0, 7}, ErrorRow{"SQRT(-1)", 0, 8},
    ErrorRow{"LN(0)", 0, 8}, ErrorRow{"LG(-X)", 1, 8}, ErrorRow{"0^0", 0, 8},
    ErrorRow{"0^(-1)", 0, 8}, ErrorRow{"EXP(2000)", 0, 7}, ErrorRow{"EXP(1000)", 0, 7},
    ErrorRow{"2^5000", 0, 7}, ErrorRow{"10^400*10^200", 0, 8}, ErrorRow{"TANH(1000)", 0, 7},
    ErrorRow{"SINH(-1000)", 0, 7}, ErrorRow{"COTH(0)", 0, 7}, ErrorRow{"ASIN(1.0000001)", 0, 7},
    ErrorRow{"ACOS(-1.0000001)", 0, 7}, ErrorRow{"ACOSH(0.5)", 0, 7}, ErrorRow{"ACOSH(-2)", 0, 7},
    ErrorRow{"ATANH(1)", 0, 7}, ErrorRow{"ATANH(-1)", 0, 7}, ErrorRow{"ACOTH(1)", 0, 7},
    ErrorRow{"ACOTH(0.5)", 0, 7}, ErrorRow{"TAN(X)", 0x1p63L, 7}, ErrorRow{"COT(0)", 0, 7},
    ErrorRow{"(-8)^(2/3)", 0, 8}, ErrorRow{"(-2)^0.5", 0, 8}, ErrorRow{"(-2)^X", 2000, 7},
    ErrorRow{"X*X", 1e300L, 8}, ErrorRow{"X", std::numeric_limits<Extended>::infinity(), 8},
    ErrorRow{"X+1", std::numeric_limits<Extended>::quiet_NaN(), 8},
    ErrorRow{"SQRT(X)", -1e-300L, 8}, ErrorRow{"-X", 1e600L, 8}, ErrorRow{"-X", -1e600L, 8},
    ErrorRow{"2-(-X)", 1e600L, 8}),
    test::NamesFrom<ErrorRow>([](const ErrorRow& r) { return std::string(r.formula); }));

TEST(Calculator, evaluatesTwoVariables_andReportsWhichAreUsed)
{
    const test::Outcome o = Evaluate("X^2+Y", 3, 0.5L, true);
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.value, 9.5L);
    TStackList postfix;
    ASSERT_EQ(CompileFormula("Y*2", "X", "Y", postfix), 0);
    bool first = true, second = false;
    UsesVariables(postfix, first, second);
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
}

TEST(Calculator, sizesStack_toDeepestPoint)
{
    struct Row { const char* formula; int depth; };
    for (const Row& r : {Row{"X", 1}, Row{"X+1+2+3", 2}, Row{"X^X^X^X", 4},
                         Row{"(1+(2+(3+X)))", 4}, Row{"SIN(COS(X))", 1}}) {
        TStackList postfix;
        ASSERT_EQ(CompileFormula(r.formula, "X", "", postfix), 0);
        EXPECT_EQ(TCalculator(postfix).MaxDepth, r.depth) << r.formula;
    }
}

TEST(Calculator, reportsCode8_whenListIsNoPostfixForm)
{
    for (auto build : {+[](TStackList& l) { l.Push(lex::Plus); },
                       +[](TStackList& l) { l.Push(lex::Number, 1); l.Push(lex::Number, 2); },
                       +[](TStackList& l) { l.Push(lex::LeftParen); },
                       +[](TStackList&) {}}) {
        TStackList list;
        build(list);
        TCalculator c(list);
        EngineError error = 0;
        c.Calculate(list, error, 1);
        EXPECT_EQ(error, 8);
    }
}

// The calculator recognises its own list by identity and length; a list
// refilled in place with a deeper form of the same length must not make it
// write past the value stack it sized.
TEST(Calculator, staysInsideItsStack_whenListIsRefilledWithDeeperForm)
{
    TStackList postfix;
    ASSERT_EQ(CompileFormula("X+1+2+3", "X", "", postfix), 0);
    TCalculator c(postfix);
    ASSERT_EQ(c.MaxDepth, 2);
    ASSERT_EQ(CompileFormula("X+(1+(2+3))", "X", "", postfix), 0);
    ASSERT_EQ(postfix.Count(), 7u);
    EngineError error = 0;
    c.Calculate(postfix, error, 1);
    EXPECT_EQ(error, 8);
}

TEST(Calculator, allocatesNothing_whileCalculating)
{
    TStackList postfix;
    ASSERT_EQ(CompileFormula("SIN(X)^2+X^X/3-RANDOM(X)+ACOSH(X+2)*1", "X", "", postfix), 0);
    TCalculator c(postfix);
    const long before = test::AllocationCount();
    EngineError error = 0;
    for (Extended x : {0.5L, 1e-300L, 1e-20L, 3e100L, 7e1000L, 1e-180L}) c.Calculate(postfix, error, x);
    EXPECT_EQ(test::AllocationCount(), before);
}

TEST(Calculator, randomGivesUniformValues_scaledByArgument)
{
    Extended sum = 0;
    for (int i = 0; i < 1000; ++i) {
        const test::Outcome o = Evaluate("RANDOM(X)", 2);
        ASSERT_EQ(o.code, 0);
        ASSERT_GE(o.value, 0);
        ASSERT_LE(o.value, 2);
        sum += o.value;
    }
    EXPECT_NEAR(static_cast<double>(sum / 1000), 1.0, 0.15);
}

}  // namespace
}  // namespace vg
