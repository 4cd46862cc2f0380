#include "tables/table_messages.h"

#include "app/formula_error.h"
#include "app/translator.h"

namespace vg {

std::string TableInputFailureText(const TableInputFailure& failure)
{
    if (failure.FormulaError >= 0) return FormatFormulaError(failure.FormulaError);
    return TranslateFormat(failure.Message, {failure.Argument});
}

}  // namespace vg
