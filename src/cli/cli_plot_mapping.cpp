#include "cli/cli_plot_mapping.h"

#include <charconv>

#include "cli/cli.h"

#ifdef VG_CLI_QT_RENDER
#include "platform/qt/qt_image_canvas.h"
#include "platform/qt/qt_picture_devices.h"
#endif

namespace vg {

bool ParseWholeNumber(const std::string& text, int& value)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size();
}

bool ParseWindowSize(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos || !ParseWholeNumber(text.substr(0, x), width) ||
        !ParseWholeNumber(text.substr(x + 1), height))
        return false;
    return width >= kMinWindowSize && width <= kMaxWindowSize && height >= kMinWindowSize &&
           height <= kMaxWindowSize;
}

bool WindowPlotMapping(const TGraphicsManager& document, int width, int height, const std::string& command,
                       PlotMapping& mapping, std::ostream& err)
{
#ifndef VG_CLI_QT_RENDER
    (void)document;
    (void)width;
    (void)height;
    (void)mapping;
    PrintCliError(err, command + ": pixel positions need the GUI build (configure with VG_GUI=ON)");
    return false;
#else
    (void)command;
    (void)err;
    EnsureOffscreenGuiApplication();
    std::unique_ptr<Canvas> canvas = CreateImageCanvas(width, height);
    const CanvasRect output{0, 0, width, height};
    const CanvasRect plot = ComputePlotRect(*canvas, document.Options, document.View, output, DeviceContext{});
    mapping = MakePlotMapping(document.Options, plot);
    return true;
#endif
}

}  // namespace vg
