// vgraph-cli number MODE TEXT: the number text forms, for scripts and tests.
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>
#include <vector>

#include <locale.h>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "engine/number_text.h"

namespace vg {
namespace {

constexpr const char* kNumberUsage =
    "usage: vgraph-cli number format|power|formula|display|parse-text|parse-input|parse-cell TEXT\n";

// Numbers are printed as "%.21Lg" would in the C locale.
std::string FullPrecision(Extended v)
{
    char text[64];
    auto [end, ec] = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 21);
    (void)ec;
    return std::string(text, end);
}

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
    out << FullPrecision(value) << "\n";
    return kExitOk;
}

}  // namespace

int RunNumberCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << "vgraph-cli number: expected MODE and TEXT\n" << kNumberUsage;
        return kExitUsage;
    }
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
    if (!format && !display) {
        err << "vgraph-cli number: unknown mode '" << mode << "'\n" << kNumberUsage;
        return kExitUsage;
    }
    Extended value = 0;
    if (!ReadExtended(text, value)) {
        err << "vgraph-cli number: not a number: '" << text << "'\n" << kNumberUsage;
        return kExitUsage;
    }
    out << (display ? FullPrecision(RoundToDisplay(value)) : format(value)) << "\n";
    return kExitOk;
}

}  // namespace vg
