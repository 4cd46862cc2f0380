#pragma once

// The Plot Options dialog: the plot interval, the plot parameters, the
// coefficients and the logarithmic scales of the active document.

#include "app/plot_options_model.h"
#include "app/ui/options_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vg {

class TBuildForm : public TOptionsDialog {
    Q_OBJECT
public:
    explicit TBuildForm(QWidget* parent = nullptr);

    // Fills the fields from the document's record; changeSteps scales the
    // steps with the intervals on OK.
    void SetOptions(const DocumentOptions& document, bool changeSteps);
    // The document's record with the accepted fields.
    const DocumentOptions& Options() const { return record_; }

    static constexpr int kHelpContext = 203;

protected:
    bool Accept() override;

private:
    PlotOptionsValues ReadValues() const;

    QLineEdit *MinXEdit, *MaxXEdit, *MinYEdit, *MaxYEdit, *StepsNumEdit, *MaxGapEdit;
    QCheckBox* PointsAlignCheckBox;
    QLineEdit *CoeffXEdit, *CoeffYEdit;
    QCheckBox *LogXCheckBox, *LogYCheckBox;
    QLineEdit *LogXEdit, *LogYEdit;
    DocumentOptions record_{};
    bool changeSteps_ = false;
};

}  // namespace vg
