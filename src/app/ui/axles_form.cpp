#include "app/ui/axles_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ui/named_widget.h"
#include "app/ui/style_combo_boxes.h"
#include "app/ui/typed_spin_box.h"

namespace vg {

namespace {

int g_page = 0;

QLabel* Label(QWidget* parent, const char* caption, const QString& name, QWidget* buddy)
{
    auto* label = Named(new QLabel(caption, parent), name);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* Edit(QWidget* parent, const QString& name, int maxLength)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMaxLength(maxLength);
    edit->setMinimumWidth(90);
    return edit;
}

// The side the dialog lays out per axis: "X" or "Y" in every name.
QString N(const char* pattern, char axis) { return QString::fromLatin1(pattern).arg(QChar(axis)); }

constexpr const char* kTitleSides[4] = {"Top", "Bottom", "Left", "Right"};

}  // namespace

TAxlesForm::TAxlesForm(QWidget* parent) : TOptionsDialog(parent, "AxlesForm", "Axis Options", kHelpContext, g_page)
{
    QWidget* axes = AddPage("AxesSheet", "Axes");
    auto* axesLayout = new QHBoxLayout(axes);
    axesLayout->addWidget(BuildAxisGroup(axes, 'X', x_));
    axesLayout->addWidget(BuildAxisGroup(axes, 'Y', y_));

    QWidget* marks = AddPage("MarksSheet", "Marks and Labels");
    auto* marksLayout = new QHBoxLayout(marks);
    marksLayout->addWidget(BuildMarksGroup(marks, 'X', x_));
    marksLayout->addWidget(BuildMarksGroup(marks, 'Y', y_));

    BuildViewPage(AddPage("ViewSheet", "View"));
    Finish();
}

QWidget* TAxlesForm::BuildAxisGroup(QWidget* page, char axis, AxisControls& c)
{
    const bool x = axis == 'X';
    auto* group = Named(new QGroupBox(page), N("Axle%1GroupBox", axis));
    auto* grid = new QGridLayout(group);
    c.Show = Named(new QCheckBox(x ? "X-Axis " : "Y-Axis", group), N("DrawAxle%1CheckBox", axis));
    grid->addWidget(c.Show, 0, 0, 1, 4);

    auto* direction = Named(new QGroupBox("Direction", group), N("Direction%1GroupBox", axis));
    auto* directionLayout = new QVBoxLayout(direction);
    c.Forward = Named(new QRadioButton(x ? "From Left to Right" : "From Below Upwards", direction),
                      x ? "RightRadioButton" : "UpRadioButton");
    c.Backward = Named(new QRadioButton(x ? "From Right to Left" : "From Above Downwards", direction),
                       x ? "LeftRadioButton" : "DownRadioButton");
    directionLayout->addWidget(c.Forward);
    directionLayout->addWidget(c.Backward);
    grid->addWidget(direction, 1, 0, 1, 4);

    c.Style = Named(new TLineComboBox(group), N("Axle%1StyleComboBox", axis));
    c.Pointer = Named(new TPointersComboBox(group), N("Axle%1PointerComboBox", axis));
    c.Color = Named(new TColorComboBox(group), N("Axle%1ColorComboBox", axis));
    c.Width = Named(new TLineWidthComboBox(group), N("Axle%1WidthComboBox", axis));
    grid->addWidget(Label(group, "Style", N("Axle%1StyleLabel", axis), c.Style), 2, 0);
    grid->addWidget(c.Style, 2, 1);
    grid->addWidget(Label(group, "Pointer", N("Axle%1PointerLabel", axis), c.Pointer), 2, 2);
    grid->addWidget(c.Pointer, 2, 3);
    grid->addWidget(Label(group, "Color", N("Axle%1ColorLabel", axis), c.Color), 3, 0);
    grid->addWidget(c.Color, 3, 1);
    grid->addWidget(Label(group, "Thickness", N("Axle%1WidthLabel", axis), c.Width), 3, 2);
    grid->addWidget(c.Width, 3, 3);

    c.NameShow = Named(new QCheckBox("Axis Name", group), N("Axle%1NameCheckBox", axis));
    c.Name = Edit(group, N("Axle%1NameEdit", axis), int(kAxisNameLength));
    c.NameAxisColor = Named(new QCheckBox(x ? "Color Like X-Axis" : "Color Like Y-Axis", group),
                            N("Axle%1ColAsAxleCheckBox", axis));
    c.NameFont = new TFontChooser(group, x ? "AxleXFontButton" : "AxleYFontButton");
    grid->addWidget(c.NameShow, 4, 0, 1, 2);
    grid->addWidget(c.Name, 4, 2, 1, 2);
    grid->addWidget(c.NameAxisColor, 5, 0, 1, 4);
    grid->addWidget(c.NameFont, 6, 0, 1, 4);
    grid->setRowStretch(7, 1);
    return group;
}

QWidget* TAxlesForm::BuildMarksGroup(QWidget* page, char axis, AxisControls& c)
{
    const bool x = axis == 'X';
    auto* column = Named(new QWidget(page), N("Marks%1Panel", axis));
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* marks = Named(new QGroupBox(column), N("NumLines%1GroupBox", axis));
    auto* marksGrid = new QGridLayout(marks);
    c.Marks = Named(new QCheckBox(x ? "Marks Along X-Axis" : "Marks Along Y-Axis", marks),
                    N("NumLines%1CheckBox", axis));
    c.MarksStep = Edit(marks, N("NumLines%1StepEdit", axis), 100);
    c.MarksLength = Named(new TTypedSpinBox(1, 10, marks), N("Length%1SpinEdit", axis));
    marksGrid->addWidget(c.Marks, 0, 0, 1, 4);
    marksGrid->addWidget(Label(marks, "Step", N("NumLines%1StepLabel", axis), c.MarksStep), 1, 0);
    marksGrid->addWidget(c.MarksStep, 1, 1);
    marksGrid->addWidget(Label(marks, "Length", N("Length%1Label", axis), c.MarksLength), 1, 2);
    marksGrid->addWidget(c.MarksLength, 1, 3);
    auto* color = Named(new QGroupBox("Color", marks), N("MarksColor%1GroupBox", axis));
    auto* colorLayout = new QGridLayout(color);
    c.MarksAxisColor = Named(new QRadioButton("Axis Color", color), N("AxlesCol%1RadioButton", axis));
    c.MarksCustomColor = Named(new QRadioButton("Custom Color", color), N("New%1ColRadioButton", axis));
    c.MarksColor = Named(new TColorComboBox(color), N("New%1ColComboBox", axis));
    colorLayout->addWidget(c.MarksAxisColor, 0, 0);
    colorLayout->addWidget(c.MarksCustomColor, 1, 0);
    colorLayout->addWidget(c.MarksColor, 1, 1);
    marksGrid->addWidget(color, 2, 0, 1, 4);
    layout->addWidget(marks);

    auto* labels = Named(new QGroupBox(column), N("Nums%1GroupBox", axis));
    auto* labelsGrid = new QGridLayout(labels);
    c.Labels = Named(new QCheckBox(x ? "Labels Along X-Axis" : "Labels Along Y-Axis", labels), N("Nums%1CheckBox", axis));
    c.LabelsStep = Edit(labels, N("Nums%1StepEdit", axis), 100);
    c.LabelsSuffix = Edit(labels, N("AddName%1Edit", axis), int(kLabelsSuffixLength));
    c.LabelsAxisColor = Named(new QCheckBox(x ? "Color Like X-Axis" : "Color Like Y-Axis", labels),
                              N("Nums%1ColAsAxleCheckBox", axis));
    c.LabelsSide = Named(new QCheckBox(x ? "To the Top of X-Axis" : "To the Left of Y-Axis", labels),
                         N("Nums%1DirectCheckBox", axis));
    c.LabelsFont = new TFontChooser(labels, x ? "NumsXFontButton" : "NumsYFontButton");
    labelsGrid->addWidget(c.Labels, 0, 0, 1, 2);
    labelsGrid->addWidget(Label(labels, "Step", N("Nums%1StepLabel", axis), c.LabelsStep), 1, 0);
    labelsGrid->addWidget(c.LabelsStep, 1, 1);
    labelsGrid->addWidget(Label(labels, "Additional String", N("AddName%1Label", axis), c.LabelsSuffix), 2, 0);
    labelsGrid->addWidget(c.LabelsSuffix, 2, 1);
    labelsGrid->addWidget(c.LabelsAxisColor, 3, 0, 1, 2);
    labelsGrid->addWidget(c.LabelsSide, 4, 0, 1, 2);
    labelsGrid->addWidget(c.LabelsFont, 5, 0, 1, 2);
    layout->addWidget(labels);
    layout->addStretch(1);
    return column;
}

void TAxlesForm::BuildViewPage(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    ConstructedCheckBox = Named(new QCheckBox("Equal Scale of Marks", page), "ConstructedCheckBox");
    layout->addWidget(ConstructedCheckBox);
    auto* titles = Named(new QGroupBox("Titles", page), "TitlesGroupBox");
    auto* grid = new QGridLayout(titles);
    for (int i = 0; i < 4; ++i) {
        const QString side = QString::fromLatin1(kTitleSides[i]);
        TitleControls& t = titles_[i];
        t.Show = Named(new QCheckBox(kTitleSides[i], titles), side + "TitleCheckBox");
        t.Text = Edit(titles, side + "TitleEdit", int(kTitleLength));
        t.Text->setMinimumWidth(220);
        t.Font = new TFontChooser(titles, (side + "TitleFontButton").toLatin1().constData());
        grid->addWidget(t.Show, i, 0);
        grid->addWidget(t.Text, i, 1);
        grid->addWidget(t.Font, i, 2);
    }
    layout->addWidget(titles);
    auto* form = Named(new QGroupBox("Axes", page), "AxesGroupBox");
    auto* formLayout = new QHBoxLayout(form);
    CrossedRadioButton = Named(new QRadioButton("Crossed", form), "CrossedRadioButton");
    BoxedRadioButton = Named(new QRadioButton("Boxed", form), "BoxedRadioButton");
    formLayout->addWidget(CrossedRadioButton);
    formLayout->addWidget(BoxedRadioButton);
    formLayout->addStretch(1);
    layout->addWidget(form);
    layout->addStretch(1);
}

void TAxlesForm::FillAxis(const AxisControls& c, const AxisValues& v)
{
    c.Show->setChecked(v.Show);
    (v.Forward ? c.Forward : c.Backward)->setChecked(true);
    c.Style->setCurrentIndex(v.StyleIndex);
    c.Pointer->setCurrentIndex(v.PointerIndex);
    c.Color->setCurrentIndex(v.ColorIndex);
    c.Width->setCurrentIndex(v.WidthIndex);
    c.NameShow->setChecked(v.NameShow);
    c.Name->setText(FieldText(v.Name));
    c.NameAxisColor->setChecked(v.NameAxisColor);
    c.NameFont->SetFont(v.NameFont);
    c.Marks->setChecked(v.Marks);
    c.MarksStep->setText(FieldText(v.MarksStep));
    // The record's own length is shown, even one the check will refuse.
    const int length = ReadTypedInteger(v.MarksLength).value_or(2);
    c.MarksLength->setValue(length);
    (v.MarksAxisColor ? c.MarksAxisColor : c.MarksCustomColor)->setChecked(true);
    c.MarksColor->setCurrentIndex(v.MarksColorIndex);
    c.Labels->setChecked(v.Labels);
    c.LabelsStep->setText(FieldText(v.LabelsStep));
    c.LabelsSuffix->setText(FieldText(v.LabelsSuffix));
    c.LabelsAxisColor->setChecked(v.LabelsAxisColor);
    c.LabelsSide->setChecked(v.LabelsSide);
    c.LabelsFont->SetFont(v.LabelsFont);
}

AxisValues TAxlesForm::ReadAxis(const AxisControls& c)
{
    AxisValues v;
    v.Show = c.Show->isChecked();
    v.Forward = c.Forward->isChecked();
    v.StyleIndex = c.Style->currentIndex();
    v.PointerIndex = c.Pointer->currentIndex();
    v.ColorIndex = c.Color->currentIndex();
    v.WidthIndex = c.Width->currentIndex();
    v.NameShow = c.NameShow->isChecked();
    v.Name = FieldString(c.Name->text());
    v.NameAxisColor = c.NameAxisColor->isChecked();
    v.NameFont = c.NameFont->Font();
    v.Marks = c.Marks->isChecked();
    v.MarksStep = FieldString(c.MarksStep->text());
    v.MarksLength = FieldString(c.MarksLength->text());
    v.MarksAxisColor = c.MarksAxisColor->isChecked();
    v.MarksColorIndex = c.MarksColor->currentIndex();
    v.Labels = c.Labels->isChecked();
    v.LabelsStep = FieldString(c.LabelsStep->text());
    v.LabelsSuffix = FieldString(c.LabelsSuffix->text());
    v.LabelsAxisColor = c.LabelsAxisColor->isChecked();
    v.LabelsSide = c.LabelsSide->isChecked();
    v.LabelsFont = c.LabelsFont->Font();
    return v;
}

void TAxlesForm::SetOptions(const DocumentOptions& document, const ViewSettings& view)
{
    record_ = document;
    view_ = view;
    const AxisOptionsValues v = AxisOptionsFromRecords(document, view);
    FillAxis(x_, v.X);
    FillAxis(y_, v.Y);
    ConstructedCheckBox->setChecked(v.EqualScale);
    const TitleValues* titles[4] = {&v.Top, &v.Bottom, &v.Left, &v.Right};
    for (int i = 0; i < 4; ++i) {
        titles_[i].Show->setChecked(titles[i]->Show);
        titles_[i].Text->setText(FieldText(titles[i]->Text));
        titles_[i].Font->SetFont(titles[i]->Font);
    }
    (v.Boxed ? BoxedRadioButton : CrossedRadioButton)->setChecked(true);
}

bool TAxlesForm::Accept()
{
    AxisOptionsValues v;
    v.X = ReadAxis(x_);
    v.Y = ReadAxis(y_);
    v.EqualScale = ConstructedCheckBox->isChecked();
    TitleValues* titles[4] = {&v.Top, &v.Bottom, &v.Left, &v.Right};
    for (int i = 0; i < 4; ++i)
        *titles[i] = {titles_[i].Show->isChecked(), FieldString(titles_[i].Text->text()), titles_[i].Font->Font()};
    v.Boxed = BoxedRadioButton->isChecked();
    DocumentOptions edited = record_;
    ViewSettings view = view_;
    if (std::optional<OptionsFailure> failure = AcceptAxisOptions(v, edited, view)) {
        ShowFailure(*failure);
        return false;
    }
    record_ = edited;
    view_ = view;
    return true;
}

}  // namespace vg
