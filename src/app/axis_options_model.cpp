#include "app/axis_options_model.h"

#include <cstddef>
#include <cstring>

#include "app/view_steps.h"

namespace vg {

namespace {

constexpr int kMarksAndLabels = static_cast<int>(AxisOptionsPage::MarksAndLabels);

std::optional<OptionsFailure> CheckStep(const std::string& text, const char* field, long double& out)
{
    const std::optional<long double> value = ReadTypedNumber(text);
    if (!value || !(*value > 0) || *value > kBoundLimit)
        return OptionsFailure{kPositiveRangeMessage, {"1*10^100"}, kMarksAndLabels, field};
    out = *value;
    return std::nullopt;
}

std::optional<OptionsFailure> CheckLength(const std::string& text, const char* field, int32_t& out)
{
    const std::optional<int32_t> value = ReadTypedInteger(text);
    if (!value || *value < 1 || *value > 10) return OptionsFailure{kNaturalRangeMessage, {"10"}, kMarksAndLabels, field};
    out = *value;
    return std::nullopt;
}

template <class Byte>
void StoreIndex(int index, int count, Byte& target)
{
    if (index >= 0 && index < count) target = static_cast<Byte>(index);
}

template <std::size_t N>
void StoreText(const std::string& text, std::size_t maxCharacters, ShortString<N>& target)
{
    target.Assign(LimitedText(text, maxCharacters, N));
}

// The fields of one axis, at its own offsets in the record.
template <class T>
using Field = T DocumentOptions::*;

struct AxisFields {
    Field<uint8_t> Show, Forward, NameShow, Style, Pointer, Color;
    Field<ShortString<255>> Name;
    Field<uint8_t> NameAxisColor;
    Field<FontSpec> NameFont;
    std::size_t Width;  // int32 fields by offset: a member pointer would lose their packing
    Field<uint8_t> Marks, MarksAxisColor;
    Field<Ext80> MarksStep;
    Field<uint8_t> MarksColor;
    std::size_t MarksLength;
    Field<uint8_t> Labels, LabelsAxisColor, LabelsSide;
    Field<Ext80> LabelsStep;
    Field<ShortString<255>> LabelsSuffix;
    Field<FontSpec> LabelsFont;
};

using D = DocumentOptions;

int32_t Int32At(const DocumentOptions& d, std::size_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&d) + offset, sizeof value);
    return value;
}

void SetInt32At(DocumentOptions& d, std::size_t offset, int32_t value)
{
    std::memcpy(reinterpret_cast<unsigned char*>(&d) + offset, &value, sizeof value);
}
constexpr AxisFields kXAxis{&D::AxisX,         &D::XLeftToRight,  &D::AxisXNameShow,      &D::AxisXStyle,
                            &D::AxisXPointer,  &D::AxisXColor,    &D::AxisXName,          &D::AxisXNameAxisColor,
                            &D::AxisXNameFont, offsetof(D, AxisXWidth),    &D::MarksX,             &D::MarksXAxisColor,
                            &D::MarksXStep,    &D::MarksXColor,   offsetof(D, MarksXLength),       &D::LabelsX,
                            &D::LabelsXAxisColor, &D::LabelsXAbove, &D::LabelsXStep,      &D::LabelsXSuffix,
                            &D::LabelsXFont};
constexpr AxisFields kYAxis{&D::AxisY,         &D::YBottomToTop,  &D::AxisYNameShow,      &D::AxisYStyle,
                            &D::AxisYPointer,  &D::AxisYColor,    &D::AxisYName,          &D::AxisYNameAxisColor,
                            &D::AxisYNameFont, offsetof(D, AxisYWidth),    &D::MarksY,             &D::MarksYAxisColor,
                            &D::MarksYStep,    &D::MarksYColor,   offsetof(D, MarksYLength),       &D::LabelsY,
                            &D::LabelsYAxisColor, &D::LabelsYLeft, &D::LabelsYStep,       &D::LabelsYSuffix,
                            &D::LabelsYFont};

AxisValues AxisFromRecord(const DocumentOptions& d, const AxisFields& f)
{
    AxisValues a;
    a.Show = d.*f.Show != 0;
    a.Forward = d.*f.Forward != 0;
    a.StyleIndex = d.*f.Style;
    a.PointerIndex = d.*f.Pointer;
    a.ColorIndex = d.*f.Color;
    a.WidthIndex = Int32At(d, f.Width) - 1;
    a.NameShow = d.*f.NameShow != 0;
    a.Name = (d.*f.Name).Str();
    a.NameAxisColor = d.*f.NameAxisColor != 0;
    a.NameFont = d.*f.NameFont;
    a.Marks = d.*f.Marks != 0;
    a.MarksStep = NumberFieldText(d.*f.MarksStep);
    a.MarksLength = std::to_string(Int32At(d, f.MarksLength));
    a.MarksAxisColor = d.*f.MarksAxisColor != 0;
    a.MarksColorIndex = d.*f.MarksColor;
    a.Labels = d.*f.Labels != 0;
    a.LabelsStep = NumberFieldText(d.*f.LabelsStep);
    a.LabelsSuffix = (d.*f.LabelsSuffix).Str();
    a.LabelsAxisColor = d.*f.LabelsAxisColor != 0;
    a.LabelsSide = d.*f.LabelsSide != 0;
    a.LabelsFont = d.*f.LabelsFont;
    return a;
}

struct CheckedAxis {
    long double MarksStep = 0, LabelsStep = 0;
    int32_t MarksLength = 0;
};

void StoreAxis(const AxisValues& a, const CheckedAxis& c, const AxisFields& f, DocumentOptions& d)
{
    d.*f.Show = a.Show ? 1 : 0;
    d.*f.Forward = a.Forward ? 1 : 0;
    StoreIndex(a.StyleIndex, 4, d.*f.Style);
    StoreIndex(a.PointerIndex, 2, d.*f.Pointer);
    StoreIndex(a.ColorIndex, 16, d.*f.Color);
    if (a.WidthIndex >= 0 && a.WidthIndex < 5) SetInt32At(d, f.Width, a.WidthIndex + 1);
    d.*f.NameShow = a.NameShow ? 1 : 0;
    StoreText(a.Name, kAxisNameLength, d.*f.Name);
    d.*f.NameAxisColor = a.NameAxisColor ? 1 : 0;
    d.*f.NameFont = a.NameFont;
    d.*f.Marks = a.Marks ? 1 : 0;
    d.*f.MarksStep = c.MarksStep;
    SetInt32At(d, f.MarksLength, c.MarksLength);
    d.*f.MarksAxisColor = a.MarksAxisColor ? 1 : 0;
    StoreIndex(a.MarksColorIndex, 16, d.*f.MarksColor);
    d.*f.Labels = a.Labels ? 1 : 0;
    d.*f.LabelsStep = c.LabelsStep;
    StoreText(a.LabelsSuffix, kLabelsSuffixLength, d.*f.LabelsSuffix);
    d.*f.LabelsAxisColor = a.LabelsAxisColor ? 1 : 0;
    d.*f.LabelsSide = a.LabelsSide ? 1 : 0;
    d.*f.LabelsFont = a.LabelsFont;
}

struct TitleFields {
    ShortString<255> ViewSettings::*Text;
    FontSpec ViewSettings::*Font;
    uint8_t ViewSettings::*Show;
};

using V = ViewSettings;
constexpr TitleFields kTitles[4] = {{&V::TopTitle, &V::TopTitleFont, &V::TopTitleShow},
                                    {&V::BottomTitle, &V::BottomTitleFont, &V::BottomTitleShow},
                                    {&V::LeftTitle, &V::LeftTitleFont, &V::LeftTitleShow},
                                    {&V::RightTitle, &V::RightTitleFont, &V::RightTitleShow}};

TitleValues TitleFromRecord(const ViewSettings& v, const TitleFields& f)
{
    return {v.*f.Show != 0, (v.*f.Text).Str(), v.*f.Font};
}

void StoreTitle(const TitleValues& t, const TitleFields& f, ViewSettings& v)
{
    v.*f.Show = t.Show ? 1 : 0;
    StoreText(t.Text, kTitleLength, v.*f.Text);
    v.*f.Font = t.Font;
}

}  // namespace

AxisOptionsValues AxisOptionsFromRecords(const DocumentOptions& d, const ViewSettings& view)
{
    AxisOptionsValues values;
    values.X = AxisFromRecord(d, kXAxis);
    values.Y = AxisFromRecord(d, kYAxis);
    values.EqualScale = view.EqualScale != 0;
    values.Top = TitleFromRecord(view, kTitles[0]);
    values.Bottom = TitleFromRecord(view, kTitles[1]);
    values.Left = TitleFromRecord(view, kTitles[2]);
    values.Right = TitleFromRecord(view, kTitles[3]);
    values.Boxed = view.Boxed != 0;
    return values;
}

std::optional<OptionsFailure> AcceptAxisOptions(const AxisOptionsValues& v, DocumentOptions& record,
                                                ViewSettings& view)
{
    CheckedAxis x, y;
    if (auto f = CheckStep(v.X.MarksStep, "NumLinesXStepEdit", x.MarksStep)) return f;
    if (auto f = CheckStep(v.Y.MarksStep, "NumLinesYStepEdit", y.MarksStep)) return f;
    if (auto f = CheckLength(v.X.MarksLength, "LengthXSpinEdit", x.MarksLength)) return f;
    if (auto f = CheckLength(v.Y.MarksLength, "LengthYSpinEdit", y.MarksLength)) return f;
    if (auto f = CheckStep(v.X.LabelsStep, "NumsXStepEdit", x.LabelsStep)) return f;
    if (auto f = CheckStep(v.Y.LabelsStep, "NumsYStepEdit", y.LabelsStep)) return f;

    StoreAxis(v.X, x, kXAxis, record);
    StoreAxis(v.Y, y, kYAxis, record);
    view.EqualScale = v.EqualScale ? 1 : 0;
    StoreTitle(v.Top, kTitles[0], view);
    StoreTitle(v.Bottom, kTitles[1], view);
    StoreTitle(v.Left, kTitles[2], view);
    StoreTitle(v.Right, kTitles[3], view);
    view.Boxed = v.Boxed ? 1 : 0;
    return std::nullopt;
}

}  // namespace vg
