#include "app/ui/picture_commands.h"

#include "app/ui/shell_dialogs.h"

namespace vg {

void SaveDocumentPicture(QWidget* parent, TGraphicsManager&)
{
    ShowErrorMessage(parent, "This command is not available yet.");
}

void CopyDocumentPicture(QWidget* parent, TGraphicsManager&)
{
    ShowErrorMessage(parent, "This command is not available yet.");
}

}  // namespace vg
