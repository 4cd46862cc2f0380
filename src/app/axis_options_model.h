#pragma once

// The Axis Options dialog without its window: the axes, their marks and
// labels (DocumentOptions) and the titles and the form of the axes
// (ViewSettings) as the dialog's fields and back, with the OK checks in
// their fixed order.

#include <optional>
#include <string>

#include "app/options_fields.h"
#include "document/document_options.h"

namespace vg {

enum class AxisOptionsPage { Axes = 0, MarksAndLabels = 1, View = 2 };

// The longest texts the fields take (characters).
inline constexpr std::size_t kAxisNameLength = 200;
inline constexpr std::size_t kLabelsSuffixLength = 20;
inline constexpr std::size_t kTitleLength = 250;

// One axis. List indexes: style 0..3, pointer 0..1, colour 0..15, width w at
// index w - 1; an index outside its list keeps the record's value.
struct AxisValues {
    bool Show = true;     // DrawAxleXCheckBox
    bool Forward = true;  // RightRadioButton / UpRadioButton (else the opposite direction)
    int StyleIndex = 0;
    int PointerIndex = 0;
    int ColorIndex = 0;
    int WidthIndex = 0;
    bool NameShow = true;        // AxleXNameCheckBox
    std::string Name;            // AxleXNameEdit
    bool NameAxisColor = true;   // AxleXColAsAxleCheckBox
    FontSpec NameFont{};         // AxleXFontButton
    bool Marks = true;           // NumLinesXCheckBox
    std::string MarksStep;       // NumLinesXStepEdit
    std::string MarksLength;     // LengthXSpinEdit
    bool MarksAxisColor = true;  // AxlesColXRadioButton (else NewXColRadioButton)
    int MarksColorIndex = 0;
    bool Labels = true;           // NumsXCheckBox
    std::string LabelsStep;       // NumsXStepEdit
    std::string LabelsSuffix;     // AddNameXEdit
    bool LabelsAxisColor = true;  // NumsXColAsAxleCheckBox
    bool LabelsSide = true;       // NumsXDirectCheckBox: above the X axis, left of the Y axis
    FontSpec LabelsFont{};        // NumsXFontButton
};

struct TitleValues {
    bool Show = false;  // TopTitleCheckBox...
    std::string Text;   // TopTitleEdit...
    FontSpec Font{};    // TopTitleFontButton...
};

struct AxisOptionsValues {
    AxisValues X, Y;
    bool EqualScale = false;  // ConstructedCheckBox
    TitleValues Top, Bottom, Left, Right;
    bool Boxed = false;  // BoxedRadioButton (else CrossedRadioButton)
};

AxisOptionsValues AxisOptionsFromRecords(const DocumentOptions& d, const ViewSettings& view);

// OK: the mark steps, the mark lengths, then the label steps, X before Y;
// the first failure is returned and both records stay as they were. Texts
// longer than their fields are cut to them.
std::optional<OptionsFailure> AcceptAxisOptions(const AxisOptionsValues& values, DocumentOptions& record,
                                                ViewSettings& view);

}  // namespace vg
