#pragma once

// The Common Options dialog without its window: five program settings as
// check boxes and back.

#include "app/program_options.h"

namespace vg {

struct CommonOptionsValues {
    bool FuncPanelDelConfirmation = true;  // FuncPanelDelCheckBox, "Confirmations"
    bool FunctionNewColor = true;          // FunctionNewColorCheckBox, "Others"
    bool ChangeSteps = false;              // ChangeStepsCheckBox
    bool ShowBackGround = false;           // ShowBackGroundCheckBox
    bool AutoMaximize = false;             // AutoMaxCheckBox
};

CommonOptionsValues CommonOptionsFromRecord(const TCommonRecord& common);

// OK: the five settings stored; the record's other fields are left alone.
void AcceptCommonOptions(const CommonOptionsValues& values, TCommonRecord& common);

}  // namespace vg
