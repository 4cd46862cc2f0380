#pragma once
// Shared helpers of the engine suites.

#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/check_formula.h"

namespace vg::test {

struct Outcome {
    EngineError code = 0;  // syntax (1..4) or evaluation (7, 8) code
    Extended value = 0;
};

// Compiles and evaluates a formula of X (and Y when twoVars).
Outcome Evaluate(const std::string& formula, Extended x = 0, Extended y = 0, bool twoVars = false);

// The codes of a lexeme list, bottom to top.
std::vector<int> Codes(const TStackList& list);

// Lexemes of "(" + formula + ")" with variable X; error code out.
TStackList Lex(const std::string& formula, EngineError& error, const std::string& second = "");

// Counts global allocations (operator new) made on this thread.
long AllocationCount();

}  // namespace vg::test
