#pragma once

// The Background Options dialog: the Cartesian grid, the polar grid and the
// background colour of the active document.

#include "app/background_options_model.h"
#include "app/ui/options_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vg {

class TColorComboBox;
class TLineComboBox;
class TLineWidthComboBox;

class TBackGroundForm : public TOptionsDialog {
    Q_OBJECT
public:
    explicit TBackGroundForm(QWidget* parent = nullptr);

    void SetOptions(const DocumentOptions& document);
    const DocumentOptions& Options() const { return record_; }

    static constexpr int kHelpContext = 202;

protected:
    bool Accept() override;

private:
    // The controls of one family of lines; style is null for the polar ones.
    struct LineControls {
        QCheckBox* Show = nullptr;
        QLineEdit* Step = nullptr;
        TLineComboBox* Style = nullptr;
        TColorComboBox* Color = nullptr;
        TLineWidthComboBox* Width = nullptr;
    };
    LineControls AddLines(QWidget* page, int row, const char* prefix, const char* showName, const char* caption,
                          const char* stepName, bool withStyle, const char* unit = nullptr);
    static void Fill(const LineControls& c, const GridLinesValues& v);
    static GridLinesValues Read(const LineControls& c);

    LineControls horizontal_, vertical_, angular_, radial_;
    TColorComboBox* backColor_ = nullptr;
    DocumentOptions record_{};
};

}  // namespace vg
