#include "document/axis_scaling.h"

#include <cmath>

namespace vg {

namespace {

long double Scaled(bool log, long double base, long double coeff, long double u)
{
    return (log ? std::pow(base, u) : u) * coeff;
}

long double Unscaled(bool log, long double base, long double coeff, long double x)
{
    long double q = x / coeff;
    if (!log) return q;
    if (q <= 0) return kUndefined;
    return std::log(q) / std::log(base);
}

}  // namespace

long double ScaledX(const DocumentOptions& d, long double u)
{
    return Scaled(d.LogX != 0, d.LogBaseX, d.CoeffX, u);
}

long double ScaledY(const DocumentOptions& d, long double v)
{
    return Scaled(d.LogY != 0, d.LogBaseY, d.CoeffY, v);
}

long double UnscaledX(const DocumentOptions& d, long double x)
{
    return Unscaled(d.LogX != 0, d.LogBaseX, d.CoeffX, x);
}

long double UnscaledY(const DocumentOptions& d, long double y)
{
    return Unscaled(d.LogY != 0, d.LogBaseY, d.CoeffY, y);
}

}  // namespace vg
