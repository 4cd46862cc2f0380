#include "tables/table_formula.h"

#include <cmath>

#include "engine/calculator.h"
#include "engine/check_formula.h"
#include "engine/number_text.h"
#include "tables/table_range.h"
#include "tables/table_text.h"

namespace vg {

namespace {

constexpr long double kLargestResult = 1e100L;

// Where a variable's value comes from in one row.
struct VariableSource {
    int column = -1;  // a cell of the row; -1: the row number
};

void VariableSources(TableFormulaMode mode, int column, VariableSource& first, VariableSource& second)
{
    if (mode == TableFormulaMode::Modify) {
        first.column = 0;
        second.column = 1;
    } else {
        first.column = 1 - column;
        second.column = -1;
    }
}

bool ReadVariable(const TTableGrid& grid, int row, VariableSource source, long double& value)
{
    if (source.column < 0) {
        value = row + 1;
        return true;
    }
    return ReadGridNumber(grid.Cell(row, source.column), value);
}

}  // namespace

std::string TableFormulaLabel(TableFormulaMode mode, int column)
{
    const char* target = column == 0 ? "X" : "Y";
    if (mode == TableFormulaMode::Modify) return std::string(target) + "=f(x,y)=";
    return std::string(target) + (column == 0 ? "=f(y,n)=" : "=f(x,n)=");
}

void TableFormulaVariables(TableFormulaMode mode, int column, std::string& first, std::string& second)
{
    // Single characters: assigning the literals trips a false -Wrestrict in
    // GCC 12's optimised string copy.
    if (mode == TableFormulaMode::Modify) {
        first = 'X';
        second = 'Y';
    } else {
        first = column == 0 ? 'Y' : 'X';
        second = 'N';
    }
}

TableInputCheck CheckTableFormula(const TableFormulaRequest& request)
{
    if (auto failure = CheckRowLimits(request.From, request.To)) return failure;
    if (request.Formula.empty()) return std::nullopt;
    std::string first, second;
    TableFormulaVariables(request.Mode, request.Column, first, second);
    EngineError error = kEngineOk;
    if (CheckFormula2Var(request.Formula, first, second, error)) return std::nullopt;
    return TableInputFailure{"", "", static_cast<int>(error), TableInputField::FormulaEdit};
}

void ApplyTableFormula(TTableGrid& grid, const TableFormulaRequest& request)
{
    const TableRowRange rows = ChosenRows(request.All, request.From, request.To);
    // An empty formula fails on every row, which empties the range.
    const std::string formula = request.Formula.empty() ? std::string("1/0") : request.Formula;
    std::string firstName, secondName;
    TableFormulaVariables(request.Mode, request.Column, firstName, secondName);
    TStackList postfix;
    const bool compiled = CompileFormula(formula, firstName, secondName, postfix) == kEngineOk;
    bool usesFirst = false, usesSecond = false;
    if (compiled) UsesVariables(postfix, usesFirst, usesSecond);
    VariableSource first, second;
    VariableSources(request.Mode, request.Column, first, second);
    TCalculator2Var calculator(postfix);
    for (int row = rows.First; row <= rows.Last; ++row) {
        std::string& target = grid.Cell(row, request.Column);
        long double a = 0, b = 0;
        if (!compiled || (usesFirst && !ReadVariable(grid, row, first, a)) ||
            (usesSecond && !ReadVariable(grid, row, second, b))) {
            target.clear();
            continue;
        }
        EngineError error = kEngineOk;
        const long double result = calculator.Calculate(postfix, error, a, b);
        if (error != kEngineOk || !std::isfinite(result) || std::fabs(result) > kLargestResult) target.clear();
        else target = FormatNumber(result);
    }
}

}  // namespace vg
