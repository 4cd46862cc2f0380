#pragma once

// No Qt types here: vgraph-cli's print command includes this header.

#include <memory>
#include <string>
#include <vector>

#include "platform/print_device.h"

namespace vg {

// The resolution of a page printed into a PDF file.
inline constexpr int kPdfPrintDpi = 600;

// A paper size; width and height in thousandths of an inch, upright.
struct PaperInfo {
    std::string Key;   // "A4", "Letter", ...
    std::string Name;  // as the printer (or the system) shows it
    int Width = 0;
    int Height = 0;
};

// The printers the system offers (none without a print service), and its
// default one (empty when there is none).
std::vector<std::string> AvailablePrinters();
std::string DefaultPrinterName();

// The papers of a printer; for a PDF file (empty name) the common sizes.
std::vector<PaperInfo> AvailablePapers(const std::string& printer);

// The paper a printer starts with; "A4" for a PDF file or an unknown printer.
std::string DefaultPaperKey(const std::string& printer);

// Any paper the system knows by its key; false for an unknown key.
bool FindPaper(const std::string& key, PaperInfo& paper);

// A print job through Qt's printing: on the chosen printer, or into the PDF
// file (written whole to a temporary file first, then put in place
// atomically). Needs a QGuiApplication.
std::unique_ptr<PrintPage> CreateQtPrintPage(const PrinterChoice& choice, const std::string& pdfFile);

}  // namespace vg
