#pragma once

#include <QDialog>

#include <functional>

#include "document/graph_record.h"
#include "tools/derivative_tool.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vg {

class TGraphicsManager;

// The Derivative window: the symbolic derivative of a graph of the document
// in the edits of its kind, or one message, and Add graph for it.
class TDerivativeForm : public QDialog {
    Q_OBJECT
public:
    // exec() ends with this when the derivative is to be added.
    static constexpr int AddGraphResult = 2;
    static constexpr int HelpContext = 213;

    // document: null when it is busy computing; selectedGraph: the main
    // window's selected graph (-1 for none).
    TDerivativeForm(const TGraphicsManager* document, int selectedGraph, QWidget* parent = nullptr);

    // Called instead of closing when the document is already full, so that the
    // add-graph operation reports it while the window stays.
    void SetFullDocumentHandler(std::function<void(const GraphRecord&)> handler);

    // A copy of the chosen graph with its formula(s) replaced by the derivative.
    GraphRecord GraphToAdd() const;

private:
    void BuildControls();
    void FuncComboBoxChange();
    void ShowDerivative();
    void ClearFields();
    void AddFunctionButtonClick();

    const TGraphicsManager* document_;
    DerivativeView view_;
    std::function<void(const GraphRecord&)> fullDocumentHandler_;

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
