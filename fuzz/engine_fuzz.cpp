// Arbitrary bytes through the whole engine: the first byte picks the variable
// names, the rest is the formula. Analysed, translated and evaluated at a few
// points; also analysed and translated unwrapped, and evaluated even when a
// step reported an error, to prove that no list shape can break the
// calculator.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/lexer.h"
#include "engine/numeric_utils.h"
#include "engine/transformator.h"

namespace {

constexpr vg::Extended kPoints[] = {0, 1, -1, 0.5L, -2.5L, 1e-300L, 1e300L, 1e4000L};

void EvaluateEverywhere(const vg::TStackList& postfix)
{
    vg::TCalculator2Var calculator(postfix);
    for (vg::Extended x : kPoints) {
        vg::EngineError error = 0;
        calculator.Calculate(postfix, error, x, -x);
        calculator.Calculate(postfix, error, x);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string_view names[][2] = {{"X", ""}, {"X", "Y"}, {"SIN", "A"}, {"T", "T"}};
    const auto& pick = names[data[0] % 4];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    vg::EngineError error = 0;
    vg::CheckFormula2Var(text, pick[0], pick[1], error);

    vg::TStackList postfix;
    if (vg::CompileFormula(text, pick[0], pick[1], postfix) == 0) EvaluateEverywhere(postfix);

    vg::TStackList lexemes = vg::TLexAnalysator2Var().Analyse(text, pick[0], pick[1], error);
    vg::TStackList raw = vg::TExpTransformator2Var().Transform(lexemes, error);
    EvaluateEverywhere(raw);
    EvaluateEverywhere(lexemes);

    if (size >= 11) {
        vg::Extended v;
        __builtin_memcpy(&v, data + 1, 10);
        vg::NearZero(v);
        vg::RoundMantissa(v);
        vg::RoundHalfAway(v);
    }
    return 0;
}
