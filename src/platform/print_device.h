#pragma once

#include <string>

#include "platform/canvas.h"

namespace vg {

// The sheet a printer draws on, in its own pixels: the whole paper (the
// origin at its top left corner) and the printer's resolution.
struct PageGeometry {
    int Width = 0;
    int Height = 0;
    int DpiX = 0;
    int DpiY = 0;
};

// Which printer, which paper and which way round. An empty printer name
// means a PDF file.
struct PrinterChoice {
    std::string Printer;
    std::string Paper = "A4";  // a paper key as the platform names it
    bool Landscape = false;
};

// One print job of one page.
class PrintPage {
public:
    virtual ~PrintPage() = default;
    // Known before the job starts.
    virtual PageGeometry Geometry() const = 0;
    // Starts the job under the title; null when the printer cannot be opened.
    virtual Canvas* Begin(const std::string& title) = 0;
    // Ends the job. False only when a file that was asked for could not be
    // written: what a printer reports after spooling cannot be seen here.
    virtual bool End() = 0;
};

}  // namespace vg
