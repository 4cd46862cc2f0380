#pragma once

// The Common Options dialog: confirmations and the program's other
// settings.

#include <QDialog>

#include "app/common_options_model.h"

class QCheckBox;

namespace vg {

class TCommonOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TCommonOptionsForm(QWidget* parent = nullptr);

    void SetOptions(const TCommonRecord& common);
    // OK: the five check boxes into the record.
    void StoreOptions(TCommonRecord& common) const;

    static constexpr int kHelpContext = 204;

private:
    QCheckBox* FuncPanelDelCheckBox;
    QCheckBox* FunctionNewColorCheckBox;
    QCheckBox* ChangeStepsCheckBox;
    QCheckBox* ShowBackGroundCheckBox;
    QCheckBox* AutoMaxCheckBox;
};

}  // namespace vg
