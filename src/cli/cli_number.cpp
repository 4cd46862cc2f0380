// vgraph-cli number MODE TEXT: the number text forms, for scripts and tests.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <locale.h>

#include "app/coordinate_text.h"
#include "app/view_steps.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "engine/number_text.h"

namespace vg {
namespace {

// The nearest extended value, as strtold reads it in the C locale (so "inf",
// "nan" and hexadecimal floats are accepted here: they are what is formatted).
bool ReadExtended(const std::string& text, Extended& value)
{
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (text.empty() || !cLocale) return false;
    char* end = nullptr;
    errno = 0;
    value = strtold_l(text.c_str(), &end, cLocale);
    return end == text.c_str() + text.size();
}

int PrintParsed(Extended (*parse)(std::string_view, bool&), const std::string& text, std::ostream& out)
{
    bool failed = false;
    Extended value = parse(text, failed);
    if (failed) {
        out << "failed\n";
        return kExitUndefined;
    }
    out << CliNumber(value) << "\n";
    return kExitOk;
}

// coordinate VALUE WIDTH SUMABS: the mouse read-out's text of a coordinate.
int PrintCoordinate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Extended values[3] = {};
    for (std::size_t i = 0; i < 3; ++i)
        if (!ReadExtended(args[i + 1], values[i]))
            return CliUsageError(err, "number", "not a number: '" + args[i + 1] + "'");
    out << FormatCoordinate(values[0], values[1], values[2]) << "\n";
    return kExitOk;
}

// nice-step X: the step a view change rounds X to.
int PrintNiceStep(Extended value, std::ostream& out, std::ostream& err)
{
    if (!std::isfinite(value) || !(value > 0)) return CliUsageError(err, "number", "nice-step needs a positive number");
    out << CliNumber(RoundToNiceStep(value)) << "\n";
    return kExitOk;
}

}  // namespace

int RunNumberCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty() && args[0] == "coordinate") {
        if (args.size() != 4) return CliUsageError(err, "number", "coordinate expects VALUE, WIDTH and SUMABS");
        return PrintCoordinate(args, out, err);
    }
    if (args.size() != 2) return CliUsageError(err, "number", "expected MODE and TEXT");
    const std::string& mode = args[0];
    const std::string& text = args[1];
    if (mode == "parse-text") return PrintParsed(&ParseNumberText, text, out);
    if (mode == "parse-input") return PrintParsed(&ParseNumberInput, text, out);
    if (mode == "parse-cell") return PrintParsed(&ParseCellNumber, text, out);

    std::string (*format)(Extended) = nullptr;
    if (mode == "format") format = &FormatNumber;
    if (mode == "power") format = &FormatPowerNumber;
    if (mode == "formula") format = &FormatFormulaNumber;
    const bool display = mode == "display";
    const bool niceStep = mode == "nice-step";
    if (!format && !display && !niceStep) return CliUsageError(err, "number", "unknown mode '" + mode + "'");
    Extended value = 0;
    if (!ReadExtended(text, value)) return CliUsageError(err, "number", "not a number: '" + text + "'");
    if (niceStep) return PrintNiceStep(value, out, err);
    out << (display ? CliNumber(RoundToDisplay(value)) : format(value)) << "\n";
    return kExitOk;
}

}  // namespace vg
