#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/function_analysis.h"
#include "tools/ui/tool_window_support.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vg {

// "Analyze Function": the formula, the interval, steps and decimals, and
// what to calculate. OK checks the fields in order and keeps the dialog open
// on the first refusal, with its field focused.
class TResearchOptionsForm : public TScanOptionsForm {
    Q_OBJECT
public:
    static constexpr int HelpContext = 23;

    explicit TResearchOptionsForm(QWidget* parent = nullptr);

    void SetInput(const AnalysisInput& input, const std::vector<std::string>& formulas);
    AnalysisInput Input() const;
    // The settings OK accepted.
    const AnalysisSettings& Accepted() const { return accepted_; }

    QComboBox* FormulaComboBox;
    QCheckBox* NullsCheckBox;
    QCheckBox* ExtremumsCheckBox;
    QCheckBox* UseDerivativeCheckBox;

private:
    void OKButtonClick() override;
    QWidget* Field(AnalysisField field) const;

    AnalysisSettings accepted_;
};

// "Analysis Results": computes when it first shows after Execute and lists
// the zeros and extrema; Save to File and Copy to Clipboard once the scans
// have ended.
class TResearchForm : public TScanResultsForm {
    Q_OBJECT
public:
    explicit TResearchForm(QWidget* parent = nullptr);
    ~TResearchForm() override;

    // Shows the window modally for one analysis.
    int Execute(const std::string& formula, const AnalysisSettings& settings);
    // The last analysis (null before the first).
    const TFunctionAnalysis* Analysis() const { return analysis_.get(); }

    QLabel* MinXLabel;
    QLabel* MaxXLabel;
    QLabel* DigitsNumLabel;
    QLabel* StepsNumLabel;
    QLineEdit* FormulaShowEdit;
    QLineEdit* DerivativeEdit;
    QLabel* NullsLabel;
    QTableWidget* NullsStringGrid;
    QLabel* ExtremumsLabel;
    QTableWidget* ExtremumsStringGrid;

private:
    void Run();
    void ShowResults() override;
    void SaveToFileButtonClick();
    void CopyButtonClick();

    std::unique_ptr<TFunctionAnalysis> analysis_;
    TComputeOnFirstShow* firstShow_;
    std::size_t zerosShown_ = 0;
    std::size_t extremaShown_ = 0;
};

}  // namespace vg
