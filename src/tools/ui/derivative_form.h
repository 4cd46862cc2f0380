#pragma once

#include "tools/derivative_tool.h"
#include "tools/ui/add_graph_dialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vg {

class TGraphicsManager;

// The Derivative window: the symbolic derivative of a graph of the document
// in the edits of its kind, or one message, and Add graph for it.
class TDerivativeForm : public TAddGraphDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 213;

    // document: null when it is busy computing; selectedGraph: the main
    // window's selected graph (-1 for none).
    TDerivativeForm(const TGraphicsManager* document, int selectedGraph, QWidget* parent = nullptr);

    // A copy of the chosen graph with its formula(s) replaced by the derivative.
    GraphRecord GraphToAdd() const override;

private:
    void BuildControls();
    void FuncComboBoxChange();
    void ShowDerivative();
    void ClearFields();
    void AddFunctionButtonClick();

    const TGraphicsManager* document_;
    DerivativeView view_;

    QComboBox* funcComboBox_ = nullptr;
    QGroupBox* derivativeGroup_ = nullptr;
    struct KindEdit {
        QLabel* label;
        QLineEdit* edit;
    };
    KindEdit edits_[5] = {};  // Y(x), X(y), R(a), X(t), Y(t)
    QLineEdit* errorEdit_ = nullptr;
    QPushButton* addFunctionButton_ = nullptr;
};

}  // namespace vg
