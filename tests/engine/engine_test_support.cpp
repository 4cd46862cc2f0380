#include "engine_test_support.h"

#include <cstdlib>
#include <new>

#include "engine/lexer.h"

namespace {
thread_local long g_allocations = 0;
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vg::test {

long AllocationCount() { return g_allocations; }

Outcome Evaluate(const std::string& formula, Extended x, Extended y, bool twoVars)
{
    TStackList postfix;
    Outcome o;
    o.code = CompileFormula(formula, "X", twoVars ? "Y" : "", postfix);
    if (o.code != 0) return o;
    TCalculator2Var calculator(postfix);
    o.value = calculator.Calculate(postfix, o.code, x, y);
    return o;
}

std::vector<int> Codes(const TStackList& list)
{
    std::vector<int> codes;
    for (const Lexeme& l : list) codes.push_back(l.Code);
    return codes;
}

TStackList Lex(const std::string& formula, EngineError& error, const std::string& second)
{
    return TLexAnalysator2Var().Analyse("(" + formula + ")", "X", second, error);
}

}  // namespace vg::test
