#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vg {

// The Calculator: a small tool window above the main window, made once at
// start-up and shown modeless. It evaluates one formula of one variable for
// one value; its fields keep their texts between showings.
class TCalcForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 212;

    explicit TCalcForm(QWidget* parent = nullptr);

    // Shows the window (again) in front.
    void ShowCalculator();

    // CalcButton: the checks in order, the first refusal in an error box with
    // the focus on its field; else the result.
    void CalcButtonClick();

protected:
    bool event(QEvent* event) override;

private:
    void BuildControls();
    // On activation: the result again without any message, or nothing.
    void RecalculateSilently();

    QLineEdit* formulaEdit_ = nullptr;
    QLineEdit* variableNameEdit_ = nullptr;
    QLineEdit* variableValueEdit_ = nullptr;
    QLineEdit* resultEdit_ = nullptr;
    QPushButton* calcButton_ = nullptr;
};

}  // namespace vg
