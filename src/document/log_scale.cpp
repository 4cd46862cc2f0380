#include "document/log_scale.h"

#include <cmath>

#include "engine/number_text.h"

namespace vg {

bool LogScaleFits(long double base, long double end)
{
    if (!std::isfinite(base) || !std::isfinite(end)) return false;
    const long double b = RoundToDisplay(base);
    const long double e = RoundToDisplay(end);
    return b > 0 && e * std::log10(b) <= 100;
}

}  // namespace vg
