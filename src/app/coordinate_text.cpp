#include "app/coordinate_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "engine/numeric_utils.h"

namespace vg {

namespace {

// More decimals than any interval of the documents can need; only guards
// the buffer against absurd widths.
constexpr int kMaxDecimals = 120;

// value lies within 1e6 here, so seven digits before the point suffice.
std::string FixedText(long double value, int decimals)
{
    std::vector<char> buffer(static_cast<std::size_t>(decimals) + 16);
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return FormatNumber(value);
    return std::string(buffer.data(), end);
}

// "-0.00" and the like name a zero too.
bool IsNegativeZeroText(const std::string& text)
{
    if (text.empty() || text[0] != '-') return false;
    return text.find_first_not_of("0.", 1) == std::string::npos;
}

std::string AxisText(bool logarithmic, long double base, long double unit, long double min, long double max)
{
    if (logarithmic) return FormatNumber(std::pow(base, unit));
    return FormatCoordinate(unit, max - min, std::fabs(min) + std::fabs(max));
}

}  // namespace

int CoordinateDecimals(long double width)
{
    const long double t = width * 0.001L;
    if (t > 0.1L) return 1;
    // t = m x 10^e with 12 significant digits; -log10(t) = -e - log10(m).
    const std::string text = ScientificText(t, 20);  // " d.ddddddddddd E-eeee"
    const std::size_t e = text.find('E');
    const int exponent = std::stoi(text.substr(e + 1));
    const bool powerOfTen = text.compare(1, e - 1, "1.00000000000") == 0;
    // Trunc rounds towards zero and -log10(t) >= 1 here.
    const int truncated = powerOfTen ? -exponent : -exponent - 1;
    const int decimals = truncated + 1;
    return decimals < kMaxDecimals ? decimals : kMaxDecimals;
}

std::string FormatCoordinate(long double value, long double width, long double sumAbs)
{
    if (width == 0 || sumAbs == 0 || !std::isfinite(value)) return {};
    std::string text;
    const long double magnitude = std::fabs(value);
    if ((magnitude >= 0.001L && magnitude <= 1e6L) || NearZero(value) == 0) {
        text = FixedText(value, CoordinateDecimals(width));
        if (!text.empty() && text.back() == '.') text.pop_back();
    } else {
        text = FormatPowerNumber(value);
    }
    if (IsNegativeZeroText(text)) text.erase(0, 1);
    return text;
}

std::string PointerCoordinatesText(const DocumentOptions& d, long double u, long double v)
{
    return AxisText(d.LogX != 0, d.LogBaseX, u, d.MinX, d.MaxX) + ":" +
           AxisText(d.LogY != 0, d.LogBaseY, v, d.MinY, d.MaxY);
}

}  // namespace vg
