#pragma once

// The Axis Options dialog: the two axes, their marks and labels, the titles
// and the form of the axes of the active document.

#include "app/axis_options_model.h"
#include "app/ui/options_dialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace vg {

class TColorComboBox;
class TLineComboBox;
class TLineWidthComboBox;
class TPointersComboBox;

class TAxlesForm : public TOptionsDialog {
    Q_OBJECT
public:
    explicit TAxlesForm(QWidget* parent = nullptr);

    void SetOptions(const DocumentOptions& document, const ViewSettings& view);
    const DocumentOptions& Options() const { return record_; }
    const ViewSettings& View() const { return view_; }

    static constexpr int kHelpContext = 201;

protected:
    bool Accept() override;

private:
    struct AxisControls {
        QCheckBox* Show = nullptr;
        QRadioButton* Forward = nullptr;
        QRadioButton* Backward = nullptr;
        TLineComboBox* Style = nullptr;
        TPointersComboBox* Pointer = nullptr;
        TColorComboBox* Color = nullptr;
        TLineWidthComboBox* Width = nullptr;
        QCheckBox* NameShow = nullptr;
        QLineEdit* Name = nullptr;
        QCheckBox* NameAxisColor = nullptr;
        TFontChooser* NameFont = nullptr;
        QCheckBox* Marks = nullptr;
        QLineEdit* MarksStep = nullptr;
        QSpinBox* MarksLength = nullptr;
        QRadioButton* MarksAxisColor = nullptr;
        QRadioButton* MarksCustomColor = nullptr;
        TColorComboBox* MarksColor = nullptr;
        QCheckBox* Labels = nullptr;
        QLineEdit* LabelsStep = nullptr;
        QLineEdit* LabelsSuffix = nullptr;
        QCheckBox* LabelsAxisColor = nullptr;
        QCheckBox* LabelsSide = nullptr;
        TFontChooser* LabelsFont = nullptr;
    };
    struct TitleControls {
        QCheckBox* Show = nullptr;
        QLineEdit* Text = nullptr;
        TFontChooser* Font = nullptr;
    };

    QWidget* BuildAxisGroup(QWidget* page, char axis, AxisControls& c);
    QWidget* BuildMarksGroup(QWidget* page, char axis, AxisControls& c);
    void BuildViewPage(QWidget* page);
    static void FillAxis(const AxisControls& c, const AxisValues& v);
    static AxisValues ReadAxis(const AxisControls& c);

    AxisControls x_, y_;
    TitleControls titles_[4];
    QCheckBox* ConstructedCheckBox = nullptr;
    QRadioButton* CrossedRadioButton = nullptr;
    QRadioButton* BoxedRadioButton = nullptr;
    DocumentOptions record_{};
    ViewSettings view_{};
};

}  // namespace vg
