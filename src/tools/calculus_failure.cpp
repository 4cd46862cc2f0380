#include "tools/calculus_failure.h"

#include "app/formula_error.h"
#include "app/translator.h"

namespace vg {

std::string CalculusMessageText(const std::string& message, const std::vector<std::string>& arguments,
                                int formulaError)
{
    if (formulaError != 0) return FormatFormulaError(formulaError);
    std::string text = Translate(message);
    std::size_t from = 0;
    for (const std::string& argument : arguments) {
        const std::size_t place = text.find("%s", from);
        if (place == std::string::npos) break;
        text.replace(place, 2, argument);
        from = place + argument.size();
    }
    return text;
}

std::string TrimmedText(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace vg
