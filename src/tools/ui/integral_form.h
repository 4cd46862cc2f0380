#pragma once

#include "tools/definite_integral.h"
#include "tools/ui/add_graph_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vg {

class TGraphicsManager;

// The Definite Integral window: the integral of Y1(x) - Y2(x) (or of its
// absolute value) over an interval by Simpson's rule, its parts above and
// below, and Add Graph for the shaded region between the two curves. The
// interval, the steps and the absolute option live in the program options.
class TIntegralForm : public TAddGraphDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 216;

    // document: the active document, or null when there is none (Add Graph is
    // then disabled); its Y(x) formulas are offered in both lists.
    explicit TIntegralForm(const TGraphicsManager* document, QWidget* parent = nullptr);

    // The shaded region of the last accepted Add Graph.
    GraphRecord GraphToAdd() const override { return region_; }

    void OKButtonClick();
    void AddFunctionButtonClick();

private:
    void BuildControls();
    void FillFormulaLists();
    void ShowStoredOptions();
    IntegralInput TypedInput() const;
    // The input check; a refusal shows its message and focuses its field.
    bool CheckInput(IntegralTask& task);
    void Refuse(const IntegralFailure& failure);
    void StoreOptions(const IntegralTask& task);

    const TGraphicsManager* document_;
    GraphRecord region_{};

    QComboBox* formula1ComboBox_ = nullptr;
    QComboBox* formula2ComboBox_ = nullptr;
    QLineEdit* minXEdit_ = nullptr;
    QLineEdit* maxXEdit_ = nullptr;
    QLineEdit* stepsNumEdit_ = nullptr;
    QCheckBox* absIntegrateCheckBox_ = nullptr;
    QLineEdit* resultEdit_ = nullptr;
    QLineEdit* aboveEdit_ = nullptr;
    QLineEdit* belowEdit_ = nullptr;
    QPushButton* addFunctionButton_ = nullptr;
};

}  // namespace vg
