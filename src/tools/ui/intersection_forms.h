#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/intersections.h"
#include "tools/ui/tool_window_support.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vg {

// "Intersections" parameters: the two formulas, the interval, steps and
// decimals. OK checks the fields in order and keeps the dialog open on the
// first refusal, with its field focused.
class TIntersectionOptionsForm : public TScanOptionsForm {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1550;

    explicit TIntersectionOptionsForm(QWidget* parent = nullptr);

    void SetInput(const IntersectionInput& input, const std::vector<std::string>& formulas);
    IntersectionInput Input() const;
    const ScanInterval& Accepted() const { return accepted_; }

    QComboBox* Formula1ComboBox;
    QComboBox* Formula2ComboBox;

private:
    void OKButtonClick() override;
    QWidget* Field(IntersectionField field) const;

    ScanInterval accepted_;
};

// "Intersections" results: searches when it first shows and lists the
// points; Save to File and Copy to Clipboard once the search has ended.
class TIntersectionForm : public TScanResultsForm {
    Q_OBJECT
public:
    TIntersectionForm(const std::string& formula1, const std::string& formula2, const ScanInterval& interval,
                      QWidget* parent = nullptr);
    ~TIntersectionForm() override;

    const TIntersections& Search() const { return *search_; }

    QLabel* IntersectionLabel;
    QTableWidget* IntersectStringGrid;
    QLabel* MinXLabel;
    QLabel* MaxXLabel;
    QLabel* StepsNumLabel;
    QLabel* DigitsNumLabel;
    QLineEdit* Formula1ShowEdit;
    QLineEdit* Formula2ShowEdit;

private:
    void Run();
    void ShowResults() override;

    std::unique_ptr<TIntersections> search_;
    std::size_t pointsShown_ = 0;
};

}  // namespace vg
