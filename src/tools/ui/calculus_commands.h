#pragma once

// The Calculus commands of the main window that turn a graph or a formula
// into a new graph or a number: Calculator, Derivative, Tangent or Normal,
// Integration.

namespace vg {

class TMainForm;
class TCalcForm;

// Makes the Calculator (it lives as long as the main window) and attaches
// the four commands.
void InstallCalculusCommands(TMainForm& form);

// The main window's Calculator; null before InstallCalculusCommands.
TCalcForm* CalculatorOf(TMainForm& form);

void DerivativeItemClick(TMainForm& form);
void TangentItemClick(TMainForm& form);
void IntegrateItemClick(TMainForm& form);

}  // namespace vg
