#include <gtest/gtest.h>

#include "engine/transformator.h"
#include "engine_test_support.h"
#include "support/readable_test_names.h"

namespace vg {
namespace {

using test::Codes;
using test::Evaluate;
using V = std::vector<int>;

// Postfix codes from the top (first evaluated) down.
V PostfixFromTop(const std::string& formula, EngineError& error)
{
    TStackList postfix;
    error = CompileFormula(formula, "X", "Y", postfix);
    V codes = Codes(postfix);
    return V(codes.rbegin(), codes.rend());
}

struct PostfixRow {
    const char* formula;
    V postfix;
};

class PostfixOrder : public ::testing::TestWithParam<PostfixRow> {};

TEST_P(PostfixOrder, bindsOperators_byRankAndAssociativity)
{
    EngineError error = 99;
    EXPECT_EQ(PostfixFromTop(GetParam().formula, error), GetParam().postfix) << GetParam().formula;
    EXPECT_EQ(error, 0);
}

INSTANTIATE_TEST_SUITE_P(Precedence, PostfixOrder, ::testing::Values(
    PostfixRow{"X^Y^X", {4, 5, 4, 30, 30}},           // right-associative power
    PostfixRow{"-X^2", {4, 0, 30, 10}},              // -(X^2)
    PostfixRow{"-X*Y", {4, 5, 33, 10}},              // -(X*Y)
    PostfixRow{"-X+Y", {4, 10, 5, 32}},              // (-X)+Y
    PostfixRow{"X-Y-X", {4, 5, 31, 4, 31}},          // left-associative
    PostfixRow{"X/Y*X", {4, 5, 34, 4, 33}},
    PostfixRow{"X+Y*X", {4, 5, 4, 33, 32}},
    PostfixRow{"X<Y<X", {4, 5, 35, 4, 35}},
    PostfixRow{"NOT X<1", {4, 0, 35, 11}},           // negates the relation
    PostfixRow{"X OR Y AND X", {4, 5, 42, 4, 41}},   // equal rank, left to right
    PostfixRow{"NOT X AND Y", {4, 11, 5, 41}},
    PostfixRow{"SIN(X)^2", {4, 101, 0, 30}},
    PostfixRow{"X^SIN(X)^2", {4, 4, 101, 0, 30, 30}},
    PostfixRow{"X+Y<X*Y", {4, 5, 32, 4, 5, 33, 35}}),
    test::NamesFrom<PostfixRow>([](const PostfixRow& r) { return std::string(r.formula); }));

TEST(Transform, reportsUnbalancedParentheses)
{
    struct Row { const char* formula; EngineError code; };
    for (const Row& r : {Row{"((X", 3}, Row{"X)", 4}, Row{"X))+((X", 4}, Row{"SIN((X)", 3},
                         Row{"((((X))))", 0}}) {
        EngineError error = 99;
        PostfixFromTop(r.formula, error);
        EXPECT_EQ(error, r.code) << r.formula;
    }
}

TEST(Transform, handlesDeepNestingIteratively)
{
    const int depth = 20000;
    std::string nested = std::string(depth, '(') + "X" + std::string(depth, ')');
    EXPECT_EQ(Evaluate(nested, 2).value, 2);
    std::string sines;
    for (int i = 0; i < depth; ++i) sines += "SIN(";
    sines += "X" + std::string(depth, ')');
    EXPECT_EQ(Evaluate(sines, 0).code, 0);
    std::string powers = "1";
    for (int i = 0; i < depth; ++i) powers += "^1";
    EXPECT_EQ(Evaluate(powers).value, 1);
}

}  // namespace
}  // namespace vg
