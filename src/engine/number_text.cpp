#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "engine/numeric_utils.h"

namespace vg {

namespace {

// A decimal number as its significant digits and a power of ten:
// value = digits * 10^exponent (digits without leading zeros; empty for 0).
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// Exponents beyond this say "far outside the extended range" and are clamped
// so that sums of exponents cannot overflow.
constexpr long long kExponentClamp = 1000000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

long long ClampExponent(long long e)
{
    return e > kExponentClamp ? kExponentClamp : (e < -kExponentClamp ? -kExponentClamp : e);
}

// The standard decimal grammar: [+|-] digits [. digits] [(E|e) [+|-] digits],
// at least one mantissa digit. Nothing else ("inf", "nan", "0x1p3", blanks).
bool ReadDecimal(std::string_view s, bool allowExponent, DecimalNumber& number)
{
    number = DecimalNumber();
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.negative = s[i++] == '-';
    std::string digits;
    long long fractionDigits = 0;
    bool anyDigit = false;
    while (i < s.size() && IsDigit(s[i])) digits += s[i++], anyDigit = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) digits += s[i++], ++fractionDigits, anyDigit = true;
    }
    if (!anyDigit) return false;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        if (!allowExponent) return false;
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i >= s.size() || !IsDigit(s[i])) return false;
        while (i < s.size() && IsDigit(s[i])) {
            exponent = ClampExponent(exponent * 10 + (s[i++] - '0'));
        }
        if (negativeExponent) exponent = -exponent;
    }
    if (i != s.size()) return false;
    std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return true;  // zero
    std::size_t lastNonZero = digits.find_last_not_of('0');
    number.exponent = ClampExponent(exponent - fractionDigits +
                                    static_cast<long long>(digits.size() - 1 - lastNonZero));
    number.digits = digits.substr(firstNonZero, lastNonZero - firstNonZero + 1);
    return true;
}

// Optional sign and decimal digits, within the 32-bit range.
bool ReadInteger(std::string_view s, long long& value)
{
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return false;
    int parsed = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    value = parsed;
    return true;
}

// The nearest extended value of number * 10^extraExponent; false when it lies
// beyond the extended range (value is then the signed infinity).
bool ToExtended(const DecimalNumber& number, long long extraExponent, Extended& value)
{
    const Extended sign = number.negative ? -1.0L : 1.0L;
    if (number.digits.empty()) {
        value = sign * 0.0L;
        return true;
    }
    long long exponent = ClampExponent(number.exponent + extraExponent);
    // The value lies in [10^(magnitude-1), 10^magnitude).
    long long magnitude = exponent + static_cast<long long>(number.digits.size());
    if (magnitude > 4934) {
        value = sign * HUGE_VALL;
        return false;
    }
    if (magnitude < -4952) {
        value = sign * 0.0L;
        return true;
    }
    std::string text = number.digits + "e" + std::to_string(exponent);
    Extended parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed,
                                     std::chars_format::scientific);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            value = sign * HUGE_VALL;
            return false;
        }
        parsed = 0;  // below the smallest extended value
    }
    value = sign * parsed;
    return true;
}

// log10 of |number|, for the range checks of typed input.
long double DecimalLog10(const DecimalNumber& number, long long extraExponent)
{
    std::string lead = number.digits.substr(0, 20);
    long double leading = 0;
    std::from_chars(lead.data(), lead.data() + lead.size(), leading, std::chars_format::fixed);
    long long shift = number.exponent + static_cast<long long>(number.digits.size() - lead.size());
    return std::log10(leading) + static_cast<long double>(shift + extraExponent);
}

std::string NonFiniteText(Extended v)
{
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

std::string PlainForm(Extended v)
{
    std::string s = FixedText7(v);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string PowerForm(Extended v)
{
    std::string scientific = ScientificText(v, 20);
    std::size_t e = scientific.find('E');
    DecimalNumber mantissaText;
    Extended mantissa = 0;
    ReadDecimal(TrimBlanks(std::string_view(scientific).substr(0, e)), false, mantissaText);
    ToExtended(mantissaText, 0, mantissa);
    long long exponent = 0;
    ReadInteger(std::string_view(scientific).substr(e + 1), exponent);

    std::string result = FormatNumber(mantissa) + "*10^";
    if (result == "10*10^" || result == "-10*10^") {
        result = result[0] == '-' ? "-1*10^" : "1*10^";
        ++exponent;
    }
    std::string exponentText = FormatNumber(static_cast<Extended>(exponent));
    if (!exponentText.empty() && exponentText.front() == '-') exponentText = "(" + exponentText + ")";
    result += exponentText;
    if (result == "-0") result = "0";
    return result;
}

// Reads the exponent part of a power form: "(" and the last character are
// dropped when it starts with "(".
std::string_view ExponentPart(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '(') {
        text.remove_prefix(1);
        if (!text.empty()) text.remove_suffix(1);
        text = TrimBlanks(text);
    }
    return text;
}

}  // namespace

std::string FixedText7(Extended v)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    char buffer[5000];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 7);
    if (ec != std::errc()) return NonFiniteText(v);
    return std::string(buffer, end);
}

std::string ScientificText(Extended v, int width)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    int decimals = width > 9 ? width - 9 : 1;
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                   std::chars_format::scientific, decimals);
    if (ec != std::errc()) return NonFiniteText(v);
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    std::size_t e = text.find('e');
    std::string_view exponentDigits = text.substr(e + 2);
    std::string result(1, v < 0 ? '-' : ' ');
    result.append(text.substr(0, e));
    result += 'E';
    result += text[e + 1];
    result.append(4 - std::min<std::size_t>(4, exponentDigits.size()), '0');
    result.append(exponentDigits);
    return result;
}

std::string FormatNumber(Extended v)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    Extended magnitude = std::fabs(v);
    if ((magnitude >= 0.001L && magnitude <= 1e6L) || NearZero(v) == 0) return PlainForm(v);
    return PowerForm(v);
}

std::string FormatPowerNumber(Extended v)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    return PowerForm(v);
}

std::string FormatFormulaNumber(Extended v)
{
    std::string text = FormatNumber(v);
    if (text.find("*10^") == std::string::npos || !std::isfinite(v)) return text;
    if (NearZero(v) < 0) return "-(" + text.substr(1) + ")";
    return "(" + text + ")";
}

Extended ParseNumberText(std::string_view s, bool& failed)
{
    failed = true;
    s = TrimBlanks(s);
    std::size_t power = s.find("*10^");
    DecimalNumber mantissa;
    if (!ReadDecimal(TrimBlanks(s.substr(0, power)), true, mantissa)) return 0;
    long long exponent = 0;
    if (power != std::string_view::npos) {
        DecimalNumber exponentNumber;
        Extended exponentValue = 0;
        if (!ReadDecimal(ExponentPart(s.substr(power + 4)), true, exponentNumber)) return 0;
        ToExtended(exponentNumber, 0, exponentValue);
        if (!std::isfinite(exponentValue) || std::fabs(exponentValue) > kExponentClamp) {
            exponent = exponentValue < 0 ? -kExponentClamp : kExponentClamp;
        } else {
            exponent = static_cast<long long>(RoundHalfAway(exponentValue));
        }
    }
    failed = false;
    Extended value = 0;
    ToExtended(mantissa, exponent, value);
    if (std::fabs(value) < 1e-30L) return 0;
    return value;
}

Extended ParseNumberText(std::string_view s)
{
    bool failed = false;
    Extended value = ParseNumberText(s, failed);
    return failed ? 0 : value;
}

Extended RoundToDisplay(Extended v)
{
    if (!std::isfinite(v)) return v;
    Extended w = ParseNumberText(FormatNumber(v));
    if (!std::isfinite(w)) return w;
    return ParseNumberText(FormatPowerNumber(w));
}

Extended ParseNumberInput(std::string_view s, bool& failed)
{
    failed = true;
    if (s.find_first_of("Ee") != std::string_view::npos) return 0;
    s = TrimBlanks(s);
    std::size_t power = s.find("*10^");
    DecimalNumber mantissa;
    if (!ReadDecimal(TrimBlanks(s.substr(0, power)), false, mantissa)) return 0;
    Extended value = 0;
    if (power == std::string_view::npos) {
        if (!ToExtended(mantissa, 0, value)) return 0;
    } else {
        long long exponent = 0;
        if (!ReadInteger(ExponentPart(s.substr(power + 4)), exponent)) return 0;
        if (!mantissa.digits.empty()) {
            long double magnitude = DecimalLog10(mantissa, exponent);
            if (magnitude >= 200) return 0;
            if (magnitude >= -200 && !ToExtended(mantissa, exponent, value)) return 0;
        }
    }
    failed = false;
    return ParseNumberText(FormatPowerNumber(value));
}

Extended ParseCellNumber(std::string_view s, bool& failed)
{
    s = TrimBlanks(s);
    DecimalNumber number;
    Extended value = 0;
    failed = false;
    if (!ReadDecimal(s, true, number) || !ToExtended(number, 0, value)) {
        value = ParseNumberInput(s, failed);
        if (failed) return 0;
    }
    if (std::fabs(value) > 1e100L) {
        failed = true;
        return 0;
    }
    return RoundToDisplay(value);
}

}  // namespace vg
