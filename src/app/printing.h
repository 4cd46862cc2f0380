#pragma once

// Printing a document on one page: the drawing rectangle from the margins,
// the print scale factors, and the print job itself. The document is drawn
// with a device context that carries the scaling and the black and white
// choice, so its records are never touched.

#include <string>

#include "document/device_context.h"
#include "platform/canvas.h"
#include "platform/print_device.h"

namespace vg {

class TGraphicsManager;
class PictureProgress;

// The resolution every pixel size in the records refers to, whatever the
// screen in use, so that a printout never depends on the screen.
inline constexpr int kScreenPixelsPerInch = 96;

// Page margins in thousandths of an inch, from the edges of the paper.
struct PageMargins {
    int Left = 500;
    int Top = 500;
    int Right = 500;
    int Bottom = 500;
};
inline constexpr int kMinMargin = 0;
inline constexpr int kMaxMargin = 99999;

// What Page Setup chose; kept while the program runs.
struct PageSetup {
    PrinterChoice Printer;
    PageMargins Margins;
};

inline constexpr const char* kMarginsTooLarge = "The margins are too large for the paper";
inline constexpr const char* kPrintingError = "Printing error";

struct PrintScaleFactors {
    long double PrintScaleX = 1;  // printer pixels per inch / screen pixels per inch
    long double PrintScaleY = 1;
    long double PrintScale = 1;   // the smaller of the two
};

PrintScaleFactors ComputePrintScaleFactors(int dpiX, int dpiY);

// Nearest integer, halves to the even one.
int RoundHalfEven(long double v);

// The drawing rectangle of the page: each margin converted to printer pixels
// and rounded. Empty when the margins leave no room.
CanvasRect PrintRectangle(const PageGeometry& page, const PageMargins& margins);

// The device of a printed page: sizes given in screen pixels grow with the
// scale factors (horizontal sizes with X, vertical ones with Y), graph lines
// by the whole multiple nearest to the smaller factor; fonts keep their
// point sizes, which the printer's canvas converts itself.
DeviceContext PrintDeviceContext(const PrintScaleFactors& factors, bool blackAndWhite);

enum class MarginField { None, Left, Top, Right, Bottom };

// The margin to blame when the margins leave no room on a sheet of the given
// size (thousandths of an inch): Right when left and right meet, Bottom when
// top and bottom do; out-of-range values are blamed themselves.
MarginField RefusedMargin(int sheetWidth, int sheetHeight, const PageMargins& margins);

enum class PrintOutcome { Printed, Refused, PrinterError, OutOfResources, WriteError };

struct PrintResult {
    PrintOutcome Outcome = PrintOutcome::Printed;
    std::string Message;  // untranslated; empty when printed
};

struct PrintRequest {
    std::string Title;  // the print job's title
    PageMargins Margins;
    bool BlackAndWhite = false;
};

// Prints the document on one page: the rectangle from the margins (refused
// when empty, before the job starts), "Printing..." on the progress, the
// job started under the title, the document drawn whole (Esc is not asked),
// the job ended whatever happened meanwhile.
PrintResult PrintDocument(const TGraphicsManager& document, PrintPage& page, const PrintRequest& request,
                          PictureProgress* progress = nullptr);

}  // namespace vg
