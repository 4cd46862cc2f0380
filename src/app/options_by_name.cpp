#include "app/options_by_name.h"

#include <cstdio>
#include <functional>

#include "app/axis_options_model.h"
#include "app/background_options_model.h"
#include "app/plot_options_model.h"

namespace vg {

struct TOptionsEditor::Fields {
    PlotOptionsValues Plot;
    BackgroundOptionsValues Background;
    AxisOptionsValues Axis;
    DocumentOptions Record{};
    ViewSettings View{};
    // Refusals of list and font values, in the order they were set.
    std::vector<OptionsFailure> Pending;
};

namespace {

using Fields = TOptionsEditor::Fields;
using SetResult = TOptionsEditor::SetResult;

template <class T>
using Access = std::function<T&(Fields&)>;

struct Entry {
    std::string Name;
    std::function<std::string(Fields&)> Get;
    std::function<SetResult(Fields&, const std::string&)> Set;
};

OptionsFailure IntegerRefusal(const std::string& name, long long lowest, long long highest)
{
    return OptionsFailure{kIntegerRangeMessage, {std::to_string(lowest), std::to_string(highest)}, 0, name};
}

Entry TextField(std::string name, Access<std::string> field)
{
    return {name, [field](Fields& f) { return field(f); },
            [field](Fields& f, const std::string& value) {
                field(f) = value;
                return SetResult::Set;
            }};
}

Entry CheckField(std::string name, Access<bool> field)
{
    return {name, [field](Fields& f) { return std::string(field(f) ? "1" : "0"); },
            [field](Fields& f, const std::string& value) {
                if (value != "0" && value != "1") return SetResult::NotAChoice;
                field(f) = value == "1";
                return SetResult::Set;
            }};
}

// A list: item index, shown as index + first (widths are 1..5 at 0..4).
Entry ListField(std::string name, Access<int> field, int count, int first = 0)
{
    return {name, [field, first](Fields& f) { return std::to_string(field(f) + first); },
            [name, field, count, first](Fields& f, const std::string& value) {
                const std::optional<int32_t> chosen = ReadTypedInteger(value);
                if (!chosen || *chosen < first || *chosen >= first + count)
                    f.Pending.push_back(IntegerRefusal(name, first, first + count - 1));
                else
                    field(f) = *chosen - first;
                return SetResult::Set;
            }};
}

std::string ColorText(uint32_t color)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(color));
    return text;
}

std::optional<uint32_t> ReadColor(const std::string& value)
{
    std::size_t used = 0;
    try {
        const bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
        const unsigned long long color = std::stoull(hex ? value.substr(2) : value, &used, hex ? 16 : 10);
        if (used != value.size() - (hex ? 2 : 0) || color > 0xFFFFFF || value[hex ? 2 : 0] == '-' ||
            value[hex ? 2 : 0] == '+')
            return std::nullopt;
        return static_cast<uint32_t>(color);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void AddFontFields(std::vector<Entry>& entries, const std::string& name, Access<FontSpec> font)
{
    entries.push_back({name + ".Name", [font](Fields& f) { return font(f).Name.Str(); },
                       [font](Fields& f, const std::string& value) {
                           FontSpec& target = font(f);
                           FontChoice choice{value, static_cast<double>(target.Size), (target.Style & kFontBold) != 0,
                                             (target.Style & kFontItalic) != 0, (target.Style & kFontUnderline) != 0,
                                             (target.Style & kFontStrikeOut) != 0};
                           if (std::optional<OptionsFailure> refusal = ApplyFontChoice(choice, target))
                               f.Pending.push_back(*refusal);
                           return SetResult::Set;
                       }});
    entries.push_back({name + ".Size", [font](Fields& f) { return std::to_string(font(f).Size); },
                       [name, font](Fields& f, const std::string& value) {
                           const std::optional<int32_t> size = ReadTypedInteger(value);
                           if (!size || *size < 1 || *size > 1000) f.Pending.push_back(IntegerRefusal(name + ".Size", 1, 1000));
                           else font(f).Size = *size;
                           return SetResult::Set;
                       }});
    entries.push_back({name + ".Color", [font](Fields& f) { return ColorText(font(f).Color); },
                       [name, font](Fields& f, const std::string& value) {
                           if (const std::optional<uint32_t> color = ReadColor(value)) font(f).Color = *color;
                           else f.Pending.push_back(IntegerRefusal(name + ".Color", 0, 0xFFFFFF));
                           return SetResult::Set;
                       }});
    entries.push_back({name + ".Style", [font](Fields& f) { return std::to_string(font(f).Style); },
                       [name, font](Fields& f, const std::string& value) {
                           const std::optional<int32_t> style = ReadTypedInteger(value);
                           if (!style || *style < 0 || *style > 15) f.Pending.push_back(IntegerRefusal(name + ".Style", 0, 15));
                           else font(f).Style = static_cast<uint8_t>(*style);
                           return SetResult::Set;
                       }});
}

using AxisAccess = Access<AxisValues>;

// A field of one axis's values.
template <class T>
Access<T> AxisMember(AxisAccess axis, T AxisValues::*member)
{
    return [axis, member](Fields& f) -> T& { return axis(f).*member; };
}

void AddAxisFields(std::vector<Entry>& e, char axis, AxisAccess values)
{
    const std::string a(1, axis);
    auto at = [values](auto member) { return AxisMember(values, member); };
    e.push_back(CheckField("Axis" + a, at(&AxisValues::Show)));
    e.push_back(CheckField(axis == 'X' ? "XLeftToRight" : "YBottomToTop", at(&AxisValues::Forward)));
    e.push_back(CheckField("Axis" + a + "NameShow", at(&AxisValues::NameShow)));
    e.push_back(ListField("Axis" + a + "Style", at(&AxisValues::StyleIndex), 4));
    e.push_back(ListField("Axis" + a + "Pointer", at(&AxisValues::PointerIndex), 2));
    e.push_back(ListField("Axis" + a + "Color", at(&AxisValues::ColorIndex), 16));
    e.push_back(TextField("Axis" + a + "Name", at(&AxisValues::Name)));
    e.push_back(CheckField("Axis" + a + "NameAxisColor", at(&AxisValues::NameAxisColor)));
    AddFontFields(e, "Axis" + a + "NameFont", at(&AxisValues::NameFont));
    e.push_back(ListField("Axis" + a + "Width", at(&AxisValues::WidthIndex), 5, 1));
}

void AddMarksFields(std::vector<Entry>& e, char axis, AxisAccess values)
{
    const std::string a(1, axis);
    auto at = [values](auto member) { return AxisMember(values, member); };
    e.push_back(CheckField("Marks" + a, at(&AxisValues::Marks)));
    e.push_back(CheckField("Marks" + a + "AxisColor", at(&AxisValues::MarksAxisColor)));
    e.push_back(TextField("Marks" + a + "Step", at(&AxisValues::MarksStep)));
    e.push_back(ListField("Marks" + a + "Color", at(&AxisValues::MarksColorIndex), 16));
    e.push_back(TextField("Marks" + a + "Length", at(&AxisValues::MarksLength)));
}

void AddLabelsFields(std::vector<Entry>& e, char axis, AxisAccess values)
{
    const std::string a(1, axis);
    auto at = [values](auto member) { return AxisMember(values, member); };
    e.push_back(CheckField("Labels" + a, at(&AxisValues::Labels)));
    e.push_back(CheckField("Labels" + a + "AxisColor", at(&AxisValues::LabelsAxisColor)));
    e.push_back(CheckField(axis == 'X' ? "LabelsXAbove" : "LabelsYLeft", at(&AxisValues::LabelsSide)));
    e.push_back(TextField("Labels" + a + "Step", at(&AxisValues::LabelsStep)));
    e.push_back(TextField("Labels" + a + "Suffix", at(&AxisValues::LabelsSuffix)));
    AddFontFields(e, "Labels" + a + "Font", at(&AxisValues::LabelsFont));
}

void AddTitleFields(std::vector<Entry>& e, const std::string& side, TitleValues AxisOptionsValues::*title)
{
    e.push_back(TextField(side + "Title", [title](Fields& f) -> std::string& { return (f.Axis.*title).Text; }));
    AddFontFields(e, side + "TitleFont", [title](Fields& f) -> FontSpec& { return (f.Axis.*title).Font; });
    e.push_back(CheckField(side + "TitleShow", [title](Fields& f) -> bool& { return (f.Axis.*title).Show; }));
}

// The fields in the order of the records.
const std::vector<Entry>& Entries()
{
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> e;
        auto plot = [](std::string PlotOptionsValues::*m) { return [m](Fields& f) -> std::string& { return f.Plot.*m; }; };
        auto plotCheck = [](bool PlotOptionsValues::*m) { return [m](Fields& f) -> bool& { return f.Plot.*m; }; };
        e.push_back(TextField("MinX", plot(&PlotOptionsValues::MinX)));
        e.push_back(TextField("MinY", plot(&PlotOptionsValues::MinY)));
        e.push_back(TextField("MaxX", plot(&PlotOptionsValues::MaxX)));
        e.push_back(TextField("MaxY", plot(&PlotOptionsValues::MaxY)));
        e.push_back(TextField("CoeffX", plot(&PlotOptionsValues::CoeffX)));
        e.push_back(TextField("CoeffY", plot(&PlotOptionsValues::CoeffY)));
        e.push_back(TextField("LogBaseX", plot(&PlotOptionsValues::LogBaseX)));
        e.push_back(TextField("LogBaseY", plot(&PlotOptionsValues::LogBaseY)));
        e.push_back(TextField("Steps", plot(&PlotOptionsValues::Steps)));
        e.push_back(TextField("MaxGap", plot(&PlotOptionsValues::MaxGap)));
        e.push_back(CheckField("PointsAlign", plotCheck(&PlotOptionsValues::PointsAlign)));
        e.push_back(CheckField("LogX", plotCheck(&PlotOptionsValues::LogX)));
        e.push_back(CheckField("LogY", plotCheck(&PlotOptionsValues::LogY)));

        auto grid = [](GridLinesValues BackgroundOptionsValues::*lines, auto member) {
            return [lines, member](Fields& f) -> auto& { return (f.Background.*lines).*member; };
        };
        using B = BackgroundOptionsValues;
        using G = GridLinesValues;
        e.push_back(CheckField("VertLines", grid(&B::Vertical, &G::Show)));
        e.push_back(CheckField("HorLines", grid(&B::Horizontal, &G::Show)));
        e.push_back(TextField("HorStep", grid(&B::Horizontal, &G::Step)));
        e.push_back(TextField("VertStep", grid(&B::Vertical, &G::Step)));
        e.push_back(ListField("HorColor", grid(&B::Horizontal, &G::ColorIndex), 16));
        e.push_back(ListField("VertColor", grid(&B::Vertical, &G::ColorIndex), 16));
        e.push_back(ListField("BackColor", [](Fields& f) -> int& { return f.Background.BackColorIndex; }, 16));
        e.push_back(ListField("HorStyle", grid(&B::Horizontal, &G::StyleIndex), 4));
        e.push_back(ListField("VertStyle", grid(&B::Vertical, &G::StyleIndex), 4));
        e.push_back(ListField("HorWidth", grid(&B::Horizontal, &G::WidthIndex), 5, 1));
        e.push_back(ListField("VertWidth", grid(&B::Vertical, &G::WidthIndex), 5, 1));
        e.push_back(CheckField("RadialGrid", grid(&B::Radial, &G::Show)));
        e.push_back(TextField("RadialStep", grid(&B::Radial, &G::Step)));
        e.push_back(ListField("RadialColor", grid(&B::Radial, &G::ColorIndex), 16));
        e.push_back(ListField("RadialWidth", grid(&B::Radial, &G::WidthIndex), 5, 1));
        e.push_back(CheckField("AngularGrid", grid(&B::Angular, &G::Show)));
        e.push_back(TextField("AngularStep", grid(&B::Angular, &G::Step)));
        e.push_back(ListField("AngularColor", grid(&B::Angular, &G::ColorIndex), 16));
        e.push_back(ListField("AngularWidth", grid(&B::Angular, &G::WidthIndex), 5, 1));

        const AxisAccess x = [](Fields& f) -> AxisValues& { return f.Axis.X; };
        const AxisAccess y = [](Fields& f) -> AxisValues& { return f.Axis.Y; };
        AddAxisFields(e, 'X', x);
        AddAxisFields(e, 'Y', y);
        AddMarksFields(e, 'X', x);
        AddMarksFields(e, 'Y', y);
        AddLabelsFields(e, 'X', x);
        AddLabelsFields(e, 'Y', y);
        AddTitleFields(e, "Top", &AxisOptionsValues::Top);
        AddTitleFields(e, "Bottom", &AxisOptionsValues::Bottom);
        AddTitleFields(e, "Left", &AxisOptionsValues::Left);
        AddTitleFields(e, "Right", &AxisOptionsValues::Right);
        e.push_back(CheckField("Boxed", [](Fields& f) -> bool& { return f.Axis.Boxed; }));
        e.push_back(CheckField("EqualScale", [](Fields& f) -> bool& { return f.Axis.EqualScale; }));
        return e;
    }();
    return entries;
}

void Fill(Fields& f, const DocumentOptions& d, const ViewSettings& v)
{
    f.Plot = PlotOptionsFromRecord(d);
    f.Background = BackgroundOptionsFromRecord(d);
    f.Axis = AxisOptionsFromRecords(d, v);
    f.Record = d;
    f.View = v;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> OptionFieldTexts(const DocumentOptions& d, const ViewSettings& v)
{
    Fields f;
    Fill(f, d, v);
    std::vector<std::pair<std::string, std::string>> texts;
    for (const Entry& entry : Entries()) texts.emplace_back(entry.Name, entry.Get(f));
    return texts;
}

TOptionsEditor::TOptionsEditor(const DocumentOptions& d, const ViewSettings& v)
    : fields_(std::make_unique<Fields>())
{
    Fill(*fields_, d, v);
}

TOptionsEditor::~TOptionsEditor() = default;

TOptionsEditor::SetResult TOptionsEditor::Set(const std::string& name, const std::string& value)
{
    for (const Entry& entry : Entries())
        if (entry.Name == name) return entry.Set(*fields_, value);
    return SetResult::UnknownName;
}

std::optional<OptionsFailure> TOptionsEditor::Apply(DocumentOptions& d, ViewSettings& v) const
{
    // The three dialogs in turn, each on the records the one before left.
    DocumentOptions record = fields_->Record;
    ViewSettings view = fields_->View;
    if (auto failure = AcceptPlotOptions(fields_->Plot, false, record)) return failure;
    if (auto failure = AcceptBackgroundOptions(fields_->Background, record)) return failure;
    if (auto failure = AcceptAxisOptions(fields_->Axis, record, view)) return failure;
    if (!fields_->Pending.empty()) return fields_->Pending.front();
    d = record;
    v = view;
    return std::nullopt;
}

}  // namespace vg
