#pragma once

#include <functional>
#include <string>

#include <memory>

class QWidget;

namespace vg {

class TMainForm;
class TMDIChild;
struct PageSetup;
class TShowBitmapSaveForm;

// File | Page Setup and File | Print.
void InstallPrintCommands(TMainForm& form);

// The page setup of this run: the system's default printer (or a PDF file
// when there is none) with its paper, margins of half an inch.
PageSetup& CurrentPageSetup();

// Where a page printed to PDF goes: the file chosen, empty when cancelled.
using PdfFileQuestion = std::function<std::string(QWidget* parent, const std::string& proposed)>;

// The progress window of printing: the picture export's, with the printer
// picture and the caption "Printing".
std::unique_ptr<TShowBitmapSaveForm> MakePrintProgress(QWidget* parent);

// The print sequence for a document window: the print dialog, the file name
// for a PDF, the progress window and the job titled with the window's
// caption. Messages go through the program's message dialog.
void PrintDocumentWindow(TMainForm& form, TMDIChild& child, const PdfFileQuestion& askPdfFile = {});

}  // namespace vg
