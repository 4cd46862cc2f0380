#pragma once
// The syntax check of every formula field and the compile sequence shared by
// all callers that evaluate formulas.

#include <string_view>

#include "engine/engine_messages.h"
#include "engine/stack_list.h"

namespace vg {

// True when the text holds nothing but spaces (nothing to compute).
bool IsBlankFormula(std::string_view text);

// Syntax check with one variable name: true without analysing for a blank
// text; otherwise analyses "(" + text + ")", transforms it and returns true
// when errorCode is 0.
bool CheckFormula(std::string_view text, std::string_view varName, EngineError& errorCode);
// The same with two variable names.
bool CheckFormula2Var(std::string_view text, std::string_view firstName,
                      std::string_view secondName, EngineError& errorCode);

// Compiles a formula into its postfix form: analyses "(" + text + ")" with the
// names (secondName may be empty) and transforms it. Returns the error code
// (0 on success); `postfix` then holds the form for a TCalculator. Callers
// test IsBlankFormula first.
EngineError CompileFormula(std::string_view text, std::string_view firstName,
                           std::string_view secondName, TStackList& postfix);

// Whether the postfix form uses the first (code 4) and second (code 5) variable.
void UsesVariables(const TStackList& postfix, bool& usesFirst, bool& usesSecond);

}  // namespace vg
