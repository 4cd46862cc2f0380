#pragma once

#include <vector>

#include "tools/regression.h"
#include "tools/regression_compare.h"
#include "tools/ui/add_graph_dialog.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace vg {

class TGraphicsManager;

// The Regression window: a table graph of the document, the model to fit,
// the fitted formula with its goodness of fit, the comparison of every model
// the data admit, and Add Graph for the fitted curve. The chosen kind and
// degree live in the program options.
class TRegressForm : public TAddGraphDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 211;

    // selectedGraph: the main window's selected graph, chosen when it is a table.
    TRegressForm(const TGraphicsManager& document, int selectedGraph, QWidget* parent = nullptr);

    // A Y(x) graph of the fitted formula with the default appearance.
    GraphRecord GraphToAdd() const override;

    QRadioButton* KindRadioButton(RegressionKind kind) const;
    const std::vector<RegressionComparisonRow>& ComparisonRows() const { return comparison_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* BuildFitPage();
    QWidget* BuildComparePage();
    void FillTableList(int selectedGraph);

    void TableComboBoxChange();
    void KindRadioButtonClick(int kind);
    void PolynomPowerEditEnter();
    void PolynomPowerEditLeft();
    // The degree typed, when it is an integer from 2 to 9; else the message.
    bool CheckDegree(int& degree);
    void AddFunctionButtonClick();
    void CompareGridDoubleClick(int row);

    RegressionPoints ChosenPoints() const;
    void ShowFit();
    void ShowComparison();

    const TGraphicsManager& document_;
    std::vector<int> tableGraphs_;  // graph index of each TableComboBox entry
    std::vector<RegressionComparisonRow> comparison_;

    QTabWidget* pages_ = nullptr;
    QComboBox* tableComboBox_ = nullptr;
    QButtonGroup* kindGroup_ = nullptr;
    QLineEdit* polynomPowerEdit_ = nullptr;
    QLineEdit* formulaEdit_ = nullptr;
    QLabel* squareLabel_ = nullptr;
    QLabel* rSquaredLabel_ = nullptr;
    QTableWidget* compareGrid_ = nullptr;
    QPushButton* addFunctionButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace vg
