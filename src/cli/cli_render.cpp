// vgraph-cli render FILE.vgr OUT [--size WxH] [--scale S]: computes the
// document and writes its picture, the format chosen by OUT's extension.

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "document/document_file.h"
#include "document/document_options.h"
#include "document/picture_export.h"
#include "engine/number_text.h"

#ifdef VG_CLI_QT_RENDER
#include "platform/qt/qt_picture_devices.h"
#endif

namespace vg {

namespace {

// Bad options are refused with exit 2 and the picture dialogs' message,
// naming the option and the form it takes.
void OptionError(std::ostream& err, const std::string& option, const std::string& given, const char* message)
{
    PrintCliError(err, "render: " + option + ": " + message + " (got '" + given + "')");
}

bool ParseInt(const std::string& text, int& value)
{
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    std::size_t x = text.find_first_of("xX");
    return x != std::string::npos && ParseInt(text.substr(0, x), width) &&
           ParseInt(text.substr(x + 1), height);
}

struct RenderArgs {
    std::string input;
    std::string output;
    PictureRequest request;
};

// The picture options, checked as the picture dialogs check them.
bool ParseRenderArgs(const std::vector<std::string>& args, RenderArgs& out, std::ostream& err)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--size" || a == "--scale") {
            if (i + 1 >= args.size()) {
                PrintCliError(err, "render: " + a + (a == "--size" ? " needs WxH" : " needs S"));
                return false;
            }
            const std::string& v = args[++i];
            if (a == "--size") {
                int w = 0, h = 0;
                if (!ParseSize(v, w, h) || w < kMinPictureSize || w > kMaxPictureSize ||
                    h < kMinPictureSize || h > kMaxPictureSize) {
                    OptionError(err, "--size WxH", v, "This value must be an integer\rfrom 100 up to 3000");
                    return false;
                }
                out.request.Width = w;
                out.request.Height = h;
            } else {
                bool failed = false;
                long double s = ParseNumberInput(v, failed);
                if (failed || s < kMinPictureScale || s > kMaxPictureScale) {
                    OptionError(err, "--scale S", v, "This value must be a number\rfrom 1 up to 10");
                    return false;
                }
                out.request.Scale = s;
            }
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            PrintCliError(err, "render: unknown option " + a + "; 'vgraph-cli help render' shows the usage");
            return false;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        PrintCliError(err, "render: expected FILE.vgr and OUT");
        err << "Usage: vgraph-cli render FILE.vgr OUT [--size WxH] [--scale S]\n";
        return false;
    }
    out.input = files[0];
    out.output = files[1];
    if (PictureFormatOfFile(out.output) == PictureFileFormat::Unknown) {
        PrintCliFileError(err, out.output, "the picture must be .bmp, .gif, .png, .svg or .pdf");
        return false;
    }
    return true;
}

}  // namespace

int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    RenderArgs r;
    if (!ParseRenderArgs(args, r, err)) return kExitSyntaxError;
#ifndef VG_CLI_QT_RENDER
    (void)out;
    PrintCliError(err, "render: drawing pictures needs the GUI build (configure with VG_GUI=ON)");
    return 1;
#else
    std::string message;
    std::unique_ptr<TGraphicsManager> document =
        OpenDocument(r.input, DefaultViewSettings(), DefaultDocumentOptions(), message);
    if (!document) {
        PrintCliFileError(err, r.input, message);
        return kExitSyntaxError;
    }
    document->ComputeAllGraphs();
    EnsureOffscreenGuiApplication();
    std::unique_ptr<PictureDevices> devices = CreateQtPictureDevices();
    message = SavePicture(*document, *devices, r.output, r.request);
    if (!message.empty()) {
        PrintCliFileError(err, r.output, message);
        return 1;
    }
    out << r.output << "\n";
    return kExitOk;
#endif
}

}  // namespace vg
