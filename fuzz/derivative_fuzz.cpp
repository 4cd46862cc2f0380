// Arbitrary text through the symbolic differentiation: the first byte picks
// the variable name, the rest is the formula. Like every caller, the
// derivative is only taken when the size measure allows it. Whatever comes
// back must be usable: a derivative text compiles again with the same name,
// and the lexeme form translates and evaluates.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/derivative.h"
#include "engine/transformator.h"

namespace {

void Require(bool condition)
{
    if (!condition) __builtin_trap();
}

void EvaluateSomewhere(const vg::TStackList& postfix)
{
    vg::TCalculator calculator(postfix);
    for (vg::Extended x : {0.0L, 1.5L, -2.0L}) {
        vg::EngineError error = 0;
        calculator.Calculate(postfix, error, x);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::string_view names[] = {"X", "x", "T", "A"};
    const std::string_view name = names[data[0] % 4];
    const std::string_view formula(reinterpret_cast<const char*>(data + 1), size - 1);

    vg::EngineError depthError = 0;
    const int depth = vg::DerivationDepth(formula, name, depthError);
    if (depthError != 0 || depth > vg::kMaxDerivationDepth) return 0;

    std::string text = "?";
    bool notDifferentiable = false;
    vg::EngineError error = 0;
    vg::GetDerivativeText(formula, name, error, text, notDifferentiable);
    Require(error == 0);
    if (vg::IsBlankFormula(formula)) {
        Require(text == "?");
        return 0;
    }
    Require(notDifferentiable == text.empty());
    if (!notDifferentiable) Require(vg::CheckFormula(text, name, error));

    vg::TStackList lexemes;
    bool flag = false;
    vg::GetDerivativeLexemes(formula, name, lexemes, flag, error);
    Require(error == 0 && flag == notDifferentiable && lexemes.Empty() == flag);
    if (flag) return 0;
    const vg::TStackList postfix = vg::TExpTransformator().Transform(lexemes, error);
    Require(error == 0);
    EvaluateSomewhere(postfix);
    return 0;
}
