#include "app/background_options_model.h"

#include "app/view_steps.h"

namespace vg {

namespace {

constexpr int kGrid = static_cast<int>(BackgroundOptionsPage::Grid);
constexpr int kPolarGrid = static_cast<int>(BackgroundOptionsPage::PolarGrid);

// A grid step: greater than 0 and at most highest.
std::optional<OptionsFailure> CheckStep(const std::string& text, long double highest, const char* shown, int page,
                                        const char* field, long double& out)
{
    const std::optional<long double> value = ReadTypedNumber(text);
    if (!value || !(*value > 0) || *value > highest) return OptionsFailure{kPositiveRangeMessage, {shown}, page, field};
    out = *value;
    return std::nullopt;
}

template <class Byte>
void StoreIndex(int index, int count, Byte& target)
{
    if (index >= 0 && index < count) target = static_cast<Byte>(index);
}

void StoreWidth(int index, int32_t& width)
{
    if (index >= 0 && index < 5) width = index + 1;
}

}  // namespace

BackgroundOptionsValues BackgroundOptionsFromRecord(const DocumentOptions& d)
{
    BackgroundOptionsValues v;
    v.Horizontal = {d.HorLines != 0, NumberFieldText(d.HorStep), d.HorStyle, d.HorColor, d.HorWidth - 1};
    v.Vertical = {d.VertLines != 0, NumberFieldText(d.VertStep), d.VertStyle, d.VertColor, d.VertWidth - 1};
    v.Angular = {d.AngularGrid != 0, NumberFieldText(d.AngularStep), 0, d.AngularColor, d.AngularWidth - 1};
    v.Radial = {d.RadialGrid != 0, NumberFieldText(d.RadialStep), 0, d.RadialColor, d.RadialWidth - 1};
    v.BackColorIndex = d.BackColor;
    return v;
}

std::optional<OptionsFailure> AcceptBackgroundOptions(const BackgroundOptionsValues& v, DocumentOptions& record)
{
    long double hor = 0, vert = 0, radial = 0, angular = 0;
    if (auto f = CheckStep(v.Horizontal.Step, kBoundLimit, "1*10^100", kGrid, "StepHorEdit", hor)) return f;
    if (auto f = CheckStep(v.Vertical.Step, kBoundLimit, "1*10^100", kGrid, "StepVertEdit", vert)) return f;
    if (auto f = CheckStep(v.Radial.Step, kBoundLimit, "1*10^100", kPolarGrid, "RadiusStepEdit", radial)) return f;
    if (auto f = CheckStep(v.Angular.Step, 2, "2*Pi", kPolarGrid, "AngleStepEdit", angular)) return f;

    record.HorLines = v.Horizontal.Show ? 1 : 0;
    record.HorStep = hor;
    StoreIndex(v.Horizontal.StyleIndex, 4, record.HorStyle);
    StoreIndex(v.Horizontal.ColorIndex, 16, record.HorColor);
    StoreWidth(v.Horizontal.WidthIndex, record.HorWidth);
    record.VertLines = v.Vertical.Show ? 1 : 0;
    record.VertStep = vert;
    StoreIndex(v.Vertical.StyleIndex, 4, record.VertStyle);
    StoreIndex(v.Vertical.ColorIndex, 16, record.VertColor);
    StoreWidth(v.Vertical.WidthIndex, record.VertWidth);
    record.AngularGrid = v.Angular.Show ? 1 : 0;
    record.AngularStep = angular;
    StoreIndex(v.Angular.ColorIndex, 16, record.AngularColor);
    StoreWidth(v.Angular.WidthIndex, record.AngularWidth);
    record.RadialGrid = v.Radial.Show ? 1 : 0;
    record.RadialStep = radial;
    StoreIndex(v.Radial.ColorIndex, 16, record.RadialColor);
    StoreWidth(v.Radial.WidthIndex, record.RadialWidth);
    StoreIndex(v.BackColorIndex, 16, record.BackColor);
    return std::nullopt;
}

}  // namespace vg
