#pragma once

// The Options menu's dialogs: Plot Options, Axis Options, Background Options
// and Common Options on the active document and the program settings, and
// the Language menu with its Languages dialog.

namespace vg {

class TMainForm;

// Each opens its dialog filled from the active document's own records and
// applies what OK accepted (Cancel changes nothing); nothing happens while a
// computation runs.
void PlotOptionsCommand(TMainForm& form);
void AxisOptionsCommand(TMainForm& form);
void BackgroundOptionsCommand(TMainForm& form);
void CommonOptionsCommand(TMainForm& form);

// The Language menu: "English", one item per installed language file (the
// selected one checked), a separator and "Setup...".
void BuildLanguageMenu(TMainForm& form);
// The menu's items: position 0 is English, 1, 2... the language files.
void LanguageItemClick(TMainForm& form, int position);
// "Setup...": the Languages dialog.
void LanguageSetupCommand(TMainForm& form);

void InstallOptionsCommands(TMainForm& form);

}  // namespace vg
