#include "app/printing.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

#include "document/graph_drawing.h"
#include "document/picture_export.h"

namespace vg {

namespace {

constexpr const char* kOutOfResources = "Out of system resources";
constexpr const char* kFileWriteError = "File write error";

// dpi x margin / 1000 to the nearest integer, halves to the even one, in
// whole numbers so that a half is exactly a half.
int MarginPixels(int dpi, int margin)
{
    const long long thousandths = static_cast<long long>(dpi) * margin;
    long long pixels = thousandths / 1000;
    const long long rest = thousandths % 1000;
    if (rest > 500 || (rest == 500 && pixels % 2 != 0)) ++pixels;
    return static_cast<int>(pixels);
}

bool InRange(int margin) { return margin >= kMinMargin && margin <= kMaxMargin; }

PrintResult Failed(PrintOutcome outcome, const char* message) { return {outcome, message}; }

// Draws the page; the reason when the drawing broke off.
PrintResult DrawPage(const TGraphicsManager& document, Canvas& canvas, const CanvasRect& rect,
                     const DeviceContext& device)
{
    try {
        DrawDocument(document, canvas, rect, device);
    } catch (const std::bad_alloc&) {
        return Failed(PrintOutcome::OutOfResources, kOutOfResources);
    } catch (const std::exception&) {
        return Failed(PrintOutcome::PrinterError, kPrintingError);
    }
    return {};
}

}  // namespace

int RoundHalfEven(long double v)
{
    long double whole = std::floor(v);
    const long double rest = v - whole;
    if (rest > 0.5L || (rest == 0.5L && std::fmod(whole, 2.0L) != 0)) whole += 1;
    return static_cast<int>(std::clamp<long double>(whole, -1e9L, 1e9L));
}

PrintScaleFactors ComputePrintScaleFactors(int dpiX, int dpiY)
{
    PrintScaleFactors f;
    if (dpiX <= 0 || dpiY <= 0) return f;
    f.PrintScaleX = static_cast<long double>(dpiX) / kScreenPixelsPerInch;
    f.PrintScaleY = static_cast<long double>(dpiY) / kScreenPixelsPerInch;
    f.PrintScale = std::min(f.PrintScaleX, f.PrintScaleY);
    return f;
}

CanvasRect PrintRectangle(const PageGeometry& page, const PageMargins& m)
{
    if (!InRange(m.Left) || !InRange(m.Top) || !InRange(m.Right) || !InRange(m.Bottom)) return {};
    CanvasRect r;
    r.left = MarginPixels(page.DpiX, m.Left);
    r.top = MarginPixels(page.DpiY, m.Top);
    r.right = page.Width - MarginPixels(page.DpiX, m.Right);
    r.bottom = page.Height - MarginPixels(page.DpiY, m.Bottom);
    if (r.IsEmpty()) return {};
    return r;
}

DeviceContext PrintDeviceContext(const PrintScaleFactors& f, bool blackAndWhite)
{
    DeviceContext d;
    d.ScaleX = f.PrintScaleX;
    d.ScaleY = f.PrintScaleY;
    // A graph line of width w is w whole multiples wide, never thinner than one pixel.
    d.GraphWidthScale = std::max(1, RoundHalfEven(f.PrintScale));
    d.FontScale = 1;
    d.BlackAndWhite = blackAndWhite;
    return d;
}

MarginField RefusedMargin(int sheetWidth, int sheetHeight, const PageMargins& m)
{
    if (!InRange(m.Left)) return MarginField::Left;
    if (!InRange(m.Top)) return MarginField::Top;
    if (!InRange(m.Right)) return MarginField::Right;
    if (!InRange(m.Bottom)) return MarginField::Bottom;
    if (m.Left + m.Right >= sheetWidth) return MarginField::Right;
    if (m.Top + m.Bottom >= sheetHeight) return MarginField::Bottom;
    return MarginField::None;
}

PrintResult PrintDocument(const TGraphicsManager& document, PrintPage& page, const PrintRequest& request,
                          PictureProgress* progress)
{
    const PageGeometry geometry = page.Geometry();
    if (geometry.DpiX <= 0 || geometry.DpiY <= 0 || geometry.Width <= 0 || geometry.Height <= 0)
        return Failed(PrintOutcome::PrinterError, kPrintingError);
    const CanvasRect rect = PrintRectangle(geometry, request.Margins);
    if (rect.IsEmpty()) return Failed(PrintOutcome::Refused, kMarginsTooLarge);
    const DeviceContext device =
        PrintDeviceContext(ComputePrintScaleFactors(geometry.DpiX, geometry.DpiY), request.BlackAndWhite);

    if (progress != nullptr) progress->Status("Printing...", -1);
    Canvas* canvas = page.Begin(request.Title);
    if (canvas == nullptr) return Failed(PrintOutcome::PrinterError, kPrintingError);
    PrintResult result = DrawPage(document, *canvas, rect, device);
    // The job is ended in every case; once drawing failed, how it ends no
    // longer matters.
    const bool ended = page.End();
    if (result.Outcome == PrintOutcome::Printed && !ended) return Failed(PrintOutcome::WriteError, kFileWriteError);
    return result;
}

}  // namespace vg
