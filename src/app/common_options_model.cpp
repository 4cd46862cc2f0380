#include "app/common_options_model.h"

namespace vg {

CommonOptionsValues CommonOptionsFromRecord(const TCommonRecord& c)
{
    return {c.FuncPanelDelConfirmation, c.FunctionNewColor, c.ChangeSteps, c.ShowBackGround, c.AutoMaximize};
}

void AcceptCommonOptions(const CommonOptionsValues& v, TCommonRecord& c)
{
    c.FuncPanelDelConfirmation = v.FuncPanelDelConfirmation;
    c.FunctionNewColor = v.FunctionNewColor;
    c.ChangeSteps = v.ChangeSteps;
    c.ShowBackGround = v.ShowBackGround;
    c.AutoMaximize = v.AutoMaximize;
}

}  // namespace vg
