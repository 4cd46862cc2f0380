#pragma once

class QWidget;

namespace vg {

class TGraphicsManager;

// Save As Picture and Copy As Picture of a document, through the picture
// dialogs.
void SaveDocumentPicture(QWidget* parent, TGraphicsManager& document);
void CopyDocumentPicture(QWidget* parent, TGraphicsManager& document);

}  // namespace vg
