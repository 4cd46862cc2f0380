#include "app/plot_options_model.h"

#include <cmath>
#include <functional>
#include <vector>

#include "app/view_interval.h"
#include "app/view_steps.h"
#include "document/log_scale.h"

namespace vg {

namespace {

constexpr int kIntervals = static_cast<int>(PlotOptionsPage::Intervals);
constexpr int kCoefficients = static_cast<int>(PlotOptionsPage::Coefficients);

// The values that passed their checks, in record units.
struct Checked {
    long double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0, CoeffX = 0, CoeffY = 0, LogBaseX = 0, LogBaseY = 0;
    int32_t Steps = 0, MaxGap = 0;
};

OptionsFailure Refusal(const char* message, std::vector<std::string> arguments, int page, const char* field)
{
    return OptionsFailure{message, std::move(arguments), page, field};
}

// An interval end: a typed number of magnitude at most 1e100; a tiny one is 0.
std::optional<OptionsFailure> CheckEnd(const std::string& text, const char* field, long double& out)
{
    std::optional<long double> value = ReadTypedNumber(text);
    if (value && std::fabs(*value) < kZeroSnap) value = 0.0L;
    if (!value || std::fabs(*value) > kBoundLimit)
        return Refusal(kNumberRangeMessage, {"-1*10^100", "1*10^100"}, kIntervals, field);
    out = *value;
    return std::nullopt;
}

std::optional<OptionsFailure> CheckCoefficient(const std::string& text, const char* field, long double& out)
{
    const std::optional<long double> value = ReadTypedNumber(text);
    if (!value || *value == 0 || std::fabs(*value) > 1e50L)
        return Refusal(kNumberRangeMessage, {"-1*10^50", "1*10^50"}, kCoefficients, field);
    out = *value;
    return std::nullopt;
}

std::optional<OptionsFailure> CheckNatural(const std::string& text, int32_t highest, const char* field,
                                           int32_t& out)
{
    const std::optional<int32_t> value = ReadTypedInteger(text);
    if (!value || *value < 1 || *value > highest)
        return Refusal(kNaturalRangeMessage, {std::to_string(highest)}, kIntervals, field);
    out = *value;
    return std::nullopt;
}

std::optional<OptionsFailure> CheckBase(const std::string& text, const char* field, long double& out)
{
    const std::optional<long double> value = ReadTypedNumber(text);
    if (!value || !(*value > 1) || *value > 1000)
        return Refusal(kNumberRangeMessage, {"1", "1000"}, kCoefficients, field);
    out = *value;
    return std::nullopt;
}

}  // namespace

PlotOptionsValues PlotOptionsFromRecord(const DocumentOptions& d)
{
    PlotOptionsValues v;
    v.MinX = NumberFieldText(d.MinX);
    v.MaxX = NumberFieldText(d.MaxX);
    v.MinY = NumberFieldText(d.MinY);
    v.MaxY = NumberFieldText(d.MaxY);
    v.Steps = std::to_string(d.Steps);
    v.MaxGap = std::to_string(d.MaxGap);
    v.PointsAlign = d.PointsAlign != 0;
    v.CoeffX = NumberFieldText(d.CoeffX);
    v.CoeffY = NumberFieldText(d.CoeffY);
    v.LogX = d.LogX != 0;
    v.LogBaseX = NumberFieldText(d.LogBaseX);
    v.LogY = d.LogY != 0;
    v.LogBaseY = NumberFieldText(d.LogBaseY);
    return v;
}

std::optional<OptionsFailure> AcceptPlotOptions(const PlotOptionsValues& v, bool changeSteps, DocumentOptions& record)
{
    Checked c;
    using Step = std::function<std::optional<OptionsFailure>()>;
    const Step steps[] = {
        [&] { return CheckEnd(v.MinX, "MinXEdit", c.MinX); },
        [&] { return CheckEnd(v.MaxX, "MaxXEdit", c.MaxX); },
        [&]() -> std::optional<OptionsFailure> {
            if (c.MaxX > c.MinX) return std::nullopt;
            return Refusal(kMaxXOrderMessage, {}, kIntervals, "MaxXEdit");
        },
        [&] { return CheckEnd(v.MinY, "MinYEdit", c.MinY); },
        [&] { return CheckEnd(v.MaxY, "MaxYEdit", c.MaxY); },
        [&]() -> std::optional<OptionsFailure> {
            if (c.MaxY > c.MinY) return std::nullopt;
            return Refusal(kMaxYOrderMessage, {}, kIntervals, "MaxYEdit");
        },
        [&] { return CheckCoefficient(v.CoeffX, "CoeffXEdit", c.CoeffX); },
        [&] { return CheckCoefficient(v.CoeffY, "CoeffYEdit", c.CoeffY); },
        [&] { return CheckNatural(v.Steps, 20000, "StepsNumEdit", c.Steps); },
        [&] { return CheckNatural(v.MaxGap, 1000000, "MaxGapEdit", c.MaxGap); },
        // The bases are checked even while their scale is off.
        [&] { return CheckBase(v.LogBaseX, "LogXEdit", c.LogBaseX); },
        [&] { return CheckBase(v.LogBaseY, "LogYEdit", c.LogBaseY); },
        // The same question the view operations and the file check ask.
        [&]() -> std::optional<OptionsFailure> {
            if (!v.LogX || LogScaleFits(c.LogBaseX, c.MaxX)) return std::nullopt;
            return Refusal(kLogScaleMessage, {}, kIntervals, "MaxXEdit");
        },
        [&]() -> std::optional<OptionsFailure> {
            if (!v.LogY || LogScaleFits(c.LogBaseY, c.MaxY)) return std::nullopt;
            return Refusal(kLogScaleMessage, {}, kIntervals, "MaxYEdit");
        },
    };
    for (const Step& step : steps)
        if (std::optional<OptionsFailure> failure = step()) return failure;

    // The steps follow the widths the document had, not those of a copy.
    const long double kx = (c.MaxX - c.MinX) / (record.MaxX.Get() - record.MinX.Get());
    const long double ky = (c.MaxY - c.MinY) / (record.MaxY.Get() - record.MinY.Get());
    record.MinX = c.MinX;
    record.MaxX = c.MaxX;
    record.MinY = c.MinY;
    record.MaxY = c.MaxY;
    record.CoeffX = c.CoeffX;
    record.CoeffY = c.CoeffY;
    record.Steps = c.Steps;
    record.MaxGap = c.MaxGap;
    record.PointsAlign = v.PointsAlign ? 1 : 0;
    record.LogX = v.LogX ? 1 : 0;
    record.LogBaseX = c.LogBaseX;
    record.LogY = v.LogY ? 1 : 0;
    record.LogBaseY = c.LogBaseY;
    if (changeSteps && std::isfinite(kx) && std::isfinite(ky)) ScaleSteps(record, kx, ky);
    return std::nullopt;
}

}  // namespace vg
