#pragma once

#include <string>

#include "document/graph_model.h"
#include "document/picture_settings.h"
#include "document/ui/picture_dialog_hooks.h"

class QWidget;

namespace vg {

// Save As Picture: the dialog on the given settings and file name, then the
// picture drawn and written with the progress window. Returns true when a
// file was written; settings and fileName take the accepted values.
bool RunSavePictureDialog(QWidget* parent, const TGraphicsManager& document, PictureSettings& settings,
                          std::string& fileName, const PictureDialogHooks& hooks = {});

// Copy to Clipboard: the dialog, then the picture placed on the clipboard.
bool RunCopyPictureDialog(QWidget* parent, const TGraphicsManager& document, PictureSettings& settings,
                          const PictureDialogHooks& hooks = {});

// The picture on the clipboard: a bitmap of the 16 colours, or an SVG
// picture (image/svg+xml). Returns the message to show, empty on success.
std::string CopyPictureToClipboard(const TGraphicsManager& document, const PictureRequest& request,
                                   bool asVector, PictureProgress* progress = nullptr);

}  // namespace vg
