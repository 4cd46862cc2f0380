#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"
#include "support/comma_locale.h"
#include "support/readable_test_names.h"
#include "engine/derivative_text.h"
#include "engine/numeric_utils.h"
#include "engine/transformator.h"

namespace vg {
namespace {

struct DeriveResult {
    EngineError code = 0;
    bool notDifferentiable = false;
    std::string text = "untouched";
};

DeriveResult Derive(const std::string& formula, const std::string& var = "X")
{
    DeriveResult r;
    GetDerivativeText(formula, var, r.code, r.text, r.notDifferentiable);
    return r;
}

ExprTree TreeOf(const std::string& formula)
{
    TStackList postfix;
    if (CompileFormula(formula, "X", "", postfix) != kEngineOk) return nullptr;
    return BuildExprTree(postfix);
}

// The tree printed with the fewest parentheses, as text.
std::string Reprint(const ExprNode& tree)
{
    TokenSequence tokens = PrintTree(tree);
    RemoveRedundantParentheses(tokens);
    return TokensText(tokens, "X");
}

// ---------------------------------------------------------------- examples

struct TextRow {
    const char* formula;
    const char* derivative;
};

class DerivativeText : public ::testing::TestWithParam<TextRow> {};

TEST_P(DerivativeText, matchesExpected_whenFormulaIsDifferentiable)
{
    const DeriveResult r = Derive(GetParam().formula);
    EXPECT_EQ(r.code, kEngineOk);
    EXPECT_FALSE(r.notDifferentiable);
    EXPECT_EQ(r.text, GetParam().derivative) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(Rules, DerivativeText, ::testing::Values(
    TextRow{"X^2", "2*X"},
    TextRow{"X^3", "3*X^2"},
    TextRow{"SIN(X)", "cos(X)"},
    TextRow{"LN(X)", "1/X"},
    TextRow{"1/X", "(-1)/X^2"},
    TextRow{"SQRT(X)", "1/(2*sqrt(X))"},
    TextRow{"EXP(2*X)", "exp(2*X)*2"},
    TextRow{"LG(X)", "1/(X*2.3025851)"},
    TextRow{"X*X", "X+X"},                 // no collection of like terms
    TextRow{"5", "0"},
    TextRow{"PI", "0"},
    TextRow{"X", "1"},
    TextRow{"-X", "(-1)"},
    TextRow{"x^2", "2*X"},                 // case-insensitive formula
    TextRow{"COS(X)", "-sin(X)"},
    TextRow{"TAN(X)", "1/cos(X)^2"},
    TextRow{"COT(X)", "-1/sin(X)^2"},
    TextRow{"ASIN(X)", "1/sqrt(1-X^2)"},
    TextRow{"ACOS(X)", "-1/sqrt(1-X^2)"},
    TextRow{"ATAN(X)", "1/(1+X^2)"},
    TextRow{"SINH(X)", "cosh(X)"},
    TextRow{"COSH(X)", "sinh(X)"},
    TextRow{"TANH(X)", "1/cosh(X)^2"},
    TextRow{"COTH(X)", "-1/sinh(X)^2"},
    TextRow{"ASINH(X)", "1/sqrt(X^2+1)"},
    TextRow{"ACOSH(X)", "1/sqrt(X^2-1)"},
    TextRow{"ATANH(X)", "1/(1-X^2)"},
    TextRow{"ACOTH(X)", "1/(1-X^2)"},
    TextRow{"EXP(X)", "exp(X)"},
    TextRow{"2^X", "2^X*0.6931472"},
    TextRow{"X^X", "X^X*(X/X+ln(X))"},
    TextRow{"X^0.5", "0.5*X^(-0.5)"},
    TextRow{"SIN(X^2)", "cos(X^2)*2*X"},
    TextRow{"-X^2", "-2*X"},
    TextRow{"1/(1+X^2)", "(-2*X)/(1+X^2)^2"},
    TextRow{"X-SIN(X)", "1-cos(X)"},
    TextRow{"X+COS(X)", "1-sin(X)"},       // a+(-x) becomes a-x
    TextRow{"X-COS(X)", "1+sin(X)"},       // a-(-x) becomes a+x
    TextRow{"3-COS(X)", "sin(X)"},         // 0-(-x) becomes x
    TextRow{"2^3", "0"},
    TextRow{"0.0001*X", "(1*10^(-4))"},
    TextRow{"1234567*X", "(1.234567*10^6)"},
    TextRow{"SQRT(-1)*X", "sqrt((-1))"}),  // a failing fold leaves the node
    test::NamesFrom<TextRow>([](const TextRow& r) { return std::string(r.formula); }));

TEST(DerivativeText, writesCallersVariableName_whenNameIsLowerCase)
{
    EXPECT_EQ(Derive("x^2+SIN(X)", "x").text, "2*x+cos(x)");
    EXPECT_EQ(Derive("T*LN(T)", "T").text, "ln(T)+T*1/T");
}

TEST(DerivativeText, isUntouchedWithCode_whenFormulaHasSyntaxError)
{
    const struct {
        const char* formula;
        EngineError code;
    } rows[] = {{"2*-3", 1}, {"SIN X", 2}, {"((X", 3}, {"X)", 4}, {"X$", 1}};
    for (const auto& row : rows) {
        const DeriveResult r = Derive(row.formula);
        EXPECT_EQ(r.code, row.code) << row.formula;
        EXPECT_EQ(r.text, "untouched") << row.formula;
        EXPECT_FALSE(r.notDifferentiable);
    }
}

TEST(DerivativeText, changesNothing_whenFormulaIsBlank)
{
    const DeriveResult r = Derive("   ");
    EXPECT_EQ(r.code, kEngineOk);
    EXPECT_FALSE(r.notDifferentiable);
    EXPECT_EQ(r.text, "untouched");
}

TEST(DerivativeText, setsFlagAndEmptiesText_whenFormulaIsNotDifferentiable)
{
    for (const char* f : {"ABS(X)", "INT(X)", "X>0", "RANDOM(X)", "FRAC(X)", "ROUND(X)",
                          "SIGN(X)", "NOT X", "X AND 1", "X OR 1", "X XOR 1", "X<>1",
                          "SIN(X)+ABS(3)", "(X>=0)*X"}) {
        const DeriveResult r = Derive(f);
        EXPECT_EQ(r.code, kEngineOk) << f;
        EXPECT_TRUE(r.notDifferentiable) << f;
        EXPECT_EQ(r.text, "") << f;
    }
}

TEST(DerivativeLexemes, isEnclosedInfixOfTheText_whenDifferentiable)
{
    TStackList lexemes;
    bool flag = true;
    EngineError code = 9;
    GetDerivativeLexemes("X^3", "X", lexemes, flag, code);
    EXPECT_EQ(code, kEngineOk);
    EXPECT_FALSE(flag);
    ASSERT_EQ(lexemes.Count(), 7u);  // ( 3 * X ^ 2 )
    const LexCode expected[] = {lex::LeftParen, lex::Number, lex::Multiply, lex::Var1,
                                lex::Power, lex::Number, lex::RightParen};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(lexemes[i].Code, expected[i]) << i;
    EXPECT_EQ(lexemes[1].Value, 3);

    TStackList postfix = TExpTransformator().Transform(lexemes, code);
    ASSERT_EQ(code, kEngineOk);
    TCalculator calculator(postfix);
    EXPECT_EQ(calculator.Calculate(postfix, code, 2), 12);
}

TEST(DerivativeLexemes, keepsFullPrecision_whereTheTextRounds)
{
    TStackList lexemes;
    bool flag = false;
    EngineError code = 0;
    GetDerivativeLexemes("LG(X)", "X", lexemes, flag, code);
    TStackList postfix = TExpTransformator().Transform(lexemes, code);
    TCalculator calculator(postfix);
    const Extended value = calculator.Calculate(postfix, code, 1);
    EXPECT_EQ(code, kEngineOk);
    EXPECT_EQ(value, NearZero(1 / std::log(10.0L)));
}

TEST(DerivativeLexemes, isEmpty_whenNotDifferentiableOrWrong)
{
    for (const char* f : {"ABS(X)", "2*-3", ""}) {
        TStackList lexemes;
        lexemes.Push(lex::Number, 1);
        bool flag = false;
        EngineError code = 0;
        GetDerivativeLexemes(f, "X", lexemes, flag, code);
        EXPECT_TRUE(lexemes.Empty()) << f;
    }
}

// ------------------------------------------------------------------ measure

std::string Repeat(const std::string& item, const std::string& separator, int count)
{
    std::string out = item;
    for (int i = 1; i < count; ++i) out += separator + item;
    return out;
}

TEST(DerivationDepth, countsOnlyProductsQuotientsPowersAndFunctions)
{
    const struct {
        std::string formula;
        int depth;
    } rows[] = {
        {"X", 1},
        {"5", 1},
        {"-X", 1},
        {"SIN(X)", 2},
        {"X^2", 2},
        {"X/2+1", 2},
        {"SIN(X)*COS(X)", 3},
        {Repeat("X", "*", 26), 26},
        {Repeat("X", "+", 26), 1},
        {Repeat("X", "-", 26), 1},
        {"X*X>0", 3},  // a relation keeps both operands in the tree
        {"", 0},
    };
    for (const auto& row : rows) {
        EngineError code = 9;
        EXPECT_EQ(DerivationDepth(row.formula, "X", code), row.depth) << row.formula;
        EXPECT_EQ(code, kEngineOk);
    }
    EngineError code = 0;
    EXPECT_EQ(DerivationDepth("X)", "X", code), 0);
    EXPECT_EQ(code, kErrMissingLeftParen);
}

// Degenerate formulas far longer than any field allows: the measure, the
// derivative and the freeing of trees and token sequences must not recurse
// once per level.
TEST(DerivationDepth, staysIterative_whenFormulaIsDegeneratelyDeep)
{
    const int n = 100000;
    EngineError code = 0;
    EXPECT_EQ(DerivationDepth(std::string(n, '(') + "X" + std::string(n, ')'), "X", code), 1);
    EXPECT_EQ(DerivationDepth(Repeat("SIN(", "", n) + "X" + std::string(n, ')'), "X", code),
              n + 1);
    EXPECT_EQ(DerivationDepth(Repeat("-(", "", n) + "X" + std::string(n, ')'), "X", code), 1);
    EXPECT_EQ(code, kEngineOk);
}

TEST(DerivativeText, staysIterative_whenLowMeasureFormulaIsVeryLong)
{
    const int n = 100000;
    EXPECT_EQ(Derive(Repeat("X", "+", n)).text, std::to_string(n));
    EXPECT_EQ(Derive(std::string(n, '(') + "X^2" + std::string(n, ')')).text, "2*X");
    EXPECT_EQ(Derive(Repeat("-(", "", n) + "X" + std::string(n, ')')).text, "1");
    EXPECT_EQ(Derive(Repeat("-(", "", n + 1) + "X" + std::string(n + 1, ')')).text, "(-1)");
}

// ------------------------------------------------------------- number form

TEST(DerivativeNumberText, writesFixedOrPowerForm)
{
    const struct {
        Extended value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {-0.0L, "0"},
        {1, "1"},
        {2.5L, "2.5"},
        {-2.5L, "-2.5"},
        {1.0L / 3, "0.3333333"},
        {2.0L / 3, "0.6666667"},
        {0.001L, "0.001"},
        {1e6L, "1000000"},
        {1e6L + 1, "(1.000001*10^6)"},
        {0.0001L, "(1*10^(-4))"},
        {-0.00012345L, "(-1.2345*10^(-4))"},
        {1e300L, "(1*10^300)"},
        {123456789012345.0L, "(1.2345679*10^14)"},
        {1e-201L, "0"},   // NearZero turns it into 0
        {-1e-201L, "0"},  // "-0" is never written
        {-0.00000001L, "(-1*10^(-8))"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DerivativeNumberText(row.value), row.text) << double(row.value);
    }
}

TEST(DerivativeNumberText, ignoresProcessLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!test::UseCommaLocale()) GTEST_SKIP() << "the tests' comma locale is not built";
    const std::string text = DerivativeNumberText(2.5L);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(text, "2.5");
}

// ---------------------------------------------------------- parentheses

TEST(RemoveRedundantParentheses, keepsOnlyPairsThatPrecedenceNeeds)
{
    const TextRow rows[] = {
        {"(X+1)*(X-1)", "(X+1)*(X-1)"},
        {"X-(X+1)", "X-(X+1)"},
        {"X-(X-1)", "X-(X-1)"},
        {"X+(X-1)", "X+X-1"},
        {"X*(X/2)", "X*X/2"},
        {"X/(X*2)", "X/(X*2)"},
        {"X/(X^2)", "X/X^2"},
        {"(X/2)*X", "X/2*X"},
        {"X^(X^2)", "X^(X^2)"},
        {"(X^2)^3", "(X^2)^3"},
        {"(X*2)^3", "(X*2)^3"},
        {"-(X*2)", "-X*2"},
        {"-(X^2)", "-X^2"},
        {"(-X)^2", "(-X)^2"},
        {"(-X)*2", "(-X)*2"},
        {"(-X)+2", "-X+2"},
        {"X+(-X)", "X+(-X)"},
        {"X*(-X)", "X*(-X)"},
        {"X-(-X)", "X-(-X)"},
        {"X^(-X)", "X^(-X)"},
        {"-(-X)", "-(-X)"},
        {"SIN((X+1))", "sin(X+1)"},
        {"SIN(X)^2", "sin(X)^2"},
        {"2*(X+1)^2", "2*(X+1)^2"},
        {"X+(X*2)/3", "X+X*2/3"},
        {"((X))", "X"},
    };
    for (const TextRow& row : rows) {
        ExprTree tree = TreeOf(row.formula);
        ASSERT_TRUE(tree) << row.formula;
        EXPECT_EQ(Reprint(*tree), row.derivative) << row.formula;
    }
}

TEST(TokenSequence, appendsReadsAndDeletesByPosition)
{
    TokenSequence a;
    a.Push(lex::Number, 1);
    a.Push(lex::Plus);
    TokenSequence b;
    b.Push(lex::Var1);
    a.Append(std::move(b));
    EXPECT_EQ(b.Count(), 0u);
    ASSERT_EQ(a.Count(), 3u);
    EXPECT_EQ(a.At(3)->Code, lex::Var1);
    EXPECT_EQ(a.At(4), nullptr);
    a.Delete(3);
    a.Push(lex::Number, 7);  // the tail moved back with the deletion
    ASSERT_EQ(a.Count(), 3u);
    EXPECT_EQ(a.At(3)->Value, 7);
    a.Delete(1);
    EXPECT_EQ(a.First()->Code, lex::Plus);
    a.Delete(9);
    EXPECT_EQ(a.Count(), 2u);
}

// --------------------------------------------------------- generated trees

// Extended value of a tree with the evaluator's operations and no final
// rounding, so finite differences keep their digits.
bool EvaluateTree(const ExprNode& n, Extended x, Extended& value)
{
    if (n.Code == lex::Number) {
        value = n.Value;
        return true;
    }
    if (n.Code == lex::Var1) {
        value = x;
        return true;
    }
    Extended a = 0, b = 0;
    if (n.Left && !EvaluateTree(*n.Left, x, a)) return false;
    if (!EvaluateTree(*n.Right, x, b)) return false;
    EngineError error = 0;
    value = ApplyOperation(n.Code, a, b, error);
    return error == kEngineOk;
}

// Regroups "+"/"-" chains and "*"/"/" chains to the left, and turns the
// negation of a number into a negative number: the printed text may regroup
// them (a+(b-c) is written a+b-c) without changing their value.
ExprTree Canonical(ExprTree t)
{
    if (!t) return t;
    if (t->Left) t->Left = Canonical(std::move(t->Left));
    if (t->Right) t->Right = Canonical(std::move(t->Right));
    if (t->Code == lex::Negate && t->Right->IsNumber()) {
        return std::make_unique<ExprNode>(lex::Number, -t->Right->Value);
    }
    const bool additive = t->Code == lex::Plus && (t->Right->Code == lex::Plus ||
                                                   t->Right->Code == lex::Minus);
    const bool multiplicative = t->Code == lex::Multiply && (t->Right->Code == lex::Multiply ||
                                                             t->Right->Code == lex::Divide);
    if (additive || multiplicative) {
        // a op (b op2 c)  ->  (a op b) op2 c
        ExprTree right = std::move(t->Right);
        t->Right = std::move(right->Left);
        right->Left = Canonical(std::move(t));
        return Canonical(std::move(right));
    }
    return t;
}

class TreeGenerator {
public:
    explicit TreeGenerator(unsigned seed) : random_(seed) {}

    ExprTree Any(int depth, bool negativeNumbers)
    {
        const int pick = Below(depth <= 0 ? 2 : 10);
        if (pick == 0) return Number(negativeNumbers);
        if (pick == 1) return std::make_unique<ExprNode>(lex::Var1);
        if (pick <= 5) {
            static const LexCode ops[] = {lex::Plus, lex::Minus, lex::Multiply, lex::Divide,
                                          lex::Power};
            return std::make_unique<ExprNode>(ops[Below(5)], Any(depth - 1, negativeNumbers),
                                              Any(depth - 1, negativeNumbers));
        }
        if (pick == 6) {
            return std::make_unique<ExprNode>(lex::Negate, nullptr,
                                              Any(depth - 1, negativeNumbers));
        }
        static const LexCode functions[] = {lex::Sin, lex::Cos, lex::Sqrt, lex::Atan,
                                            lex::Exp, lex::Ln, lex::Lg, lex::Tan,
                                            lex::Cot, lex::Asin, lex::Acos, lex::Sinh,
                                            lex::Cosh, lex::Tanh, lex::Coth, lex::Asinh,
                                            lex::Acosh, lex::Atanh, lex::Acoth};
        return std::make_unique<ExprNode>(functions[Below(19)], nullptr,
                                          Any(depth - 1, negativeNumbers));
    }

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

private:
    ExprTree Number(bool negative)
    {
        static const Extended values[] = {0, 1, 2, 3, 0.5L, 2.25L, 10};
        Extended v = values[Below(7)];
        if (negative && Below(4) == 0) v = -v - 1;
        return std::make_unique<ExprNode>(lex::Number, v);
    }

    std::mt19937 random_;
};

TEST(RemoveRedundantParentheses, keepsTheTree_whenPrintedTreeIsReadAgain)
{
    TreeGenerator generator(20240611);
    for (int i = 0; i < 3000; ++i) {
        ExprTree tree = generator.Any(5, true);
        TokenSequence tokens = PrintTree(*tree);
        RemoveRedundantParentheses(tokens);

        TStackList infix;
        infix.Push(lex::LeftParen);
        for (const Lexeme& l : tokens.ToLexemes()) infix.Push(l);
        infix.Push(lex::RightParen);
        EngineError code = 0;
        TStackList postfix = TExpTransformator().Transform(infix, code);
        ASSERT_EQ(code, kEngineOk);
        ExprTree reread = BuildExprTree(postfix);
        ASSERT_TRUE(reread);
        const std::string text = TokensText(tokens, "X");

        // The text reads back too, to the same tree (its negative numbers
        // come back as negated numbers).
        ExprTree fromText = TreeOf(text);
        ASSERT_TRUE(fromText) << text;

        ExprTree expected = Canonical(std::move(tree));
        EXPECT_TRUE(SameTree(Canonical(std::move(reread)).get(), expected.get())) << text;
        EXPECT_TRUE(SameTree(Canonical(std::move(fromText)).get(), expected.get())) << text;
    }
}

// Formula text of a generated tree, fully parenthesised.
std::string FormulaText(const ExprNode& tree)
{
    return TokensText(PrintTree(tree), "X");
}

ExprTree CompiledDerivative(const std::string& formula)
{
    TStackList lexemes;
    bool flag = false;
    EngineError code = 0;
    GetDerivativeLexemes(formula, "X", lexemes, flag, code);
    if (flag || code != kEngineOk) return nullptr;
    TStackList postfix = TExpTransformator().Transform(lexemes, code);
    return code == kEngineOk ? BuildExprTree(postfix) : nullptr;
}

bool CentralDifference(const ExprNode& tree, Extended x, Extended h, Extended& slope)
{
    Extended plus, minus;
    if (!EvaluateTree(tree, x + h, plus) || !EvaluateTree(tree, x - h, minus)) return false;
    slope = (plus - minus) / (2 * h);
    return true;
}

bool Near(Extended a, Extended b, Extended relative)
{
    const Extended scale = std::max({std::fabs(a), std::fabs(b), Extended(1)});
    return std::fabs(a - b) <= relative * scale;
}

TEST(DerivativeText, agreesWithCentralDifference_onGeneratedFormulas)
{
    TreeGenerator generator(77);
    const Extended points[] = {-2.3L, -0.7L, 0.35L, 0.9L, 1.7L, 2.6L};
    int formulas = 0, comparisons = 0;
    while (formulas < 400) {
        ExprTree tree = generator.Any(3 + generator.Below(2), false);
        const std::string formula = FormulaText(*tree);
        const DeriveResult text = Derive(formula);
        ASSERT_EQ(text.code, kEngineOk) << formula;
        ASSERT_FALSE(text.notDifferentiable) << formula;
        TStackList textForm;
        ASSERT_EQ(CompileFormula(text.text, "X", "", textForm), kEngineOk)
            << formula << " -> " << text.text;
        ExprTree derivative = CompiledDerivative(formula);
        ASSERT_TRUE(derivative) << formula;
        ++formulas;

        TCalculator calculator(textForm);
        for (Extended x : points) {
            Extended d, f, coarse, fine;
            if (!EvaluateTree(*derivative, x, d) || !EvaluateTree(*tree, x, f) ||
                !CentralDifference(*tree, x, 2e-6L, coarse) ||
                !CentralDifference(*tree, x, 1e-6L, fine)) {
                continue;
            }
            // Near poles and steep places the difference itself is unsure:
            // its two step sizes disagree there.
            if (std::fabs(f) > 1e4L || !Near(coarse, fine, 1e-9L)) continue;
            EXPECT_TRUE(Near(d, fine, 1e-8L))
                << formula << " at " << double(x) << ": " << double(d) << " vs " << double(fine);
            EngineError code = 0;
            const Extended fromText = calculator.Calculate(textForm, code, x);
            if (code == kEngineOk) {
                // The text writes numbers with 7 decimals: a number such as
                // 0.0024788 keeps only 5 digits.
                EXPECT_TRUE(Near(fromText, d, 1e-3L))
                    << text.text << " at " << double(x) << ": " << double(fromText) << " vs "
                    << double(d);
            }
            ++comparisons;
        }
    }
    EXPECT_GT(comparisons, 1200);
}

}  // namespace
}  // namespace vg
