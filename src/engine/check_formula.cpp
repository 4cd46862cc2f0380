#include "engine/check_formula.h"

#include <string>

#include "engine/lexer.h"
#include "engine/transformator.h"

namespace vg {

bool IsBlankFormula(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

EngineError CompileFormula(std::string_view text, std::string_view firstName,
                           std::string_view secondName, TStackList& postfix)
{
    std::string enclosed;
    enclosed.reserve(text.size() + 2);
    enclosed.append("(").append(text).append(")");
    EngineError error = kEngineOk;
    TStackList lexemes = TLexAnalysator2Var().Analyse(enclosed, firstName, secondName, error);
    if (error != kEngineOk) {
        postfix.Clear();
        return error;
    }
    postfix = TExpTransformator2Var().Transform(std::move(lexemes), error);
    if (error != kEngineOk) postfix.Clear();
    return error;
}

bool CheckFormula(std::string_view text, std::string_view varName, EngineError& errorCode)
{
    return CheckFormula2Var(text, varName, std::string_view(), errorCode);
}

bool CheckFormula2Var(std::string_view text, std::string_view firstName,
                      std::string_view secondName, EngineError& errorCode)
{
    errorCode = kEngineOk;
    if (IsBlankFormula(text)) return true;
    TStackList postfix;
    errorCode = CompileFormula(text, firstName, secondName, postfix);
    return errorCode == kEngineOk;
}

void UsesVariables(const TStackList& postfix, bool& usesFirst, bool& usesSecond)
{
    usesFirst = false;
    usesSecond = false;
    for (const Lexeme& l : postfix) {
        if (l.Code == lex::Var1) usesFirst = true;
        if (l.Code == lex::Var2) usesSecond = true;
    }
}

}  // namespace vg
