#include "app/ui/picture_commands.h"

#include <QWidget>

#include "app/app_globals.h"
#include "app/message_dialog_model.h"
#include "app/translator.h"
#include "app/ui/translate_component.h"
#include "document/picture_settings.h"
#include "document/ui/picture_dialogs.h"

namespace vg {

namespace {

PictureDialogHooks ShellHooks()
{
    PictureDialogHooks hooks;
    hooks.translate = [](const std::string& text) { return Translate(text); };
    hooks.translateComponent = [](QWidget* window) { TranslateComponent(window); };
    hooks.showError = [](QWidget*, const std::string& text) { ShowMessageDialog(text, mtError, mbOK, 0); };
    hooks.askYesNo = [](QWidget*, const std::string& text) {
        return ShowMessageDialog(text, mtConfirmation, mbYes | mbNo, 0) == mrYes;
    };
    return hooks;
}

// The picture settings live in the program options.
PictureSettings SettingsFromOptions()
{
    const TProgramOptions& options = ProgramOptions();
    PictureSettings settings;
    settings.Width = options.PictureWidth;
    settings.Height = options.PictureHeight;
    settings.UseScale = options.Scale;
    settings.Scale = options.ScaleFactor;
    return settings;
}

void StoreSettings(const PictureSettings& settings)
{
    TProgramOptions& options = ProgramOptions();
    options.PictureWidth = settings.Width;
    options.PictureHeight = settings.Height;
    options.Scale = settings.UseScale;
    options.ScaleFactor = settings.Scale;
}

}  // namespace

void SaveDocumentPicture(QWidget* parent, TGraphicsManager& document)
{
    PictureSettings settings = SettingsFromOptions();
    // The picture is proposed beside the document, under its name.
    std::string fileName = WithPictureExtension(document.FileName, false);
    if (RunSavePictureDialog(parent, document, settings, fileName, ShellHooks())) StoreSettings(settings);
}

void CopyDocumentPicture(QWidget* parent, TGraphicsManager& document)
{
    PictureSettings settings = SettingsFromOptions();
    if (RunCopyPictureDialog(parent, document, settings, ShellHooks())) StoreSettings(settings);
}

}  // namespace vg
