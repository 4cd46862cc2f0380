#pragma once

#include <QSpinBox>

namespace vg {

// A spin box whose arrows keep to the field's range while the user may type
// any whole number: the dialog's check, not the box, refuses a typed value
// outside the range, with its message (a plain spin box would silently put
// its last value back).
class TTypedSpinBox : public QSpinBox {
public:
    TTypedSpinBox(int lowest, int highest, QWidget* parent = nullptr);

protected:
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    int lowest_;
    int highest_;
};

}  // namespace vg
