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

constexpr const char* kRenderUsage = "render FILE.vgr OUT [--size WxH] [--scale S]";

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
                err << "vgraph-cli render: " << a << " needs a value\n";
                return false;
            }
            const std::string& v = args[++i];
            if (a == "--size") {
                int w = 0, h = 0;
                if (!ParseSize(v, w, h) || w < kMinPictureSize || w > kMaxPictureSize ||
                    h < kMinPictureSize || h > kMaxPictureSize) {
                    err << "This value must be an integer\nfrom 100 up to 3000\n";
                    return false;
                }
                out.request.Width = w;
                out.request.Height = h;
            } else {
                bool failed = false;
                long double s = ParseNumberInput(v, failed);
                if (failed || s < kMinPictureScale || s > kMaxPictureScale) {
                    err << "This value must be a number\nfrom 1 up to 10\n";
                    return false;
                }
                out.request.Scale = s;
            }
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            err << "vgraph-cli render: unknown option " << a << "\n";
            return false;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        err << "Usage: vgraph-cli " << kRenderUsage << "\n";
        return false;
    }
    out.input = files[0];
    out.output = files[1];
    if (PictureFormatOfFile(out.output) == PictureFileFormat::Unknown) {
        err << "vgraph-cli render: the picture must be .bmp, .gif, .png, .svg or .pdf\n";
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
    err << "vgraph-cli render: drawing pictures needs the GUI build (configure with VG_GUI=ON)\n";
    return 1;
#else
    std::string message;
    std::unique_ptr<TGraphicsManager> document =
        OpenDocument(r.input, DefaultViewSettings(), DefaultDocumentOptions(), message);
    if (!document) {
        err << message << "\n";
        return kExitSyntaxError;
    }
    document->ComputeAllGraphs();
    EnsureOffscreenGuiApplication();
    std::unique_ptr<PictureDevices> devices = CreateQtPictureDevices();
    message = SavePicture(*document, *devices, r.output, r.request);
    if (!message.empty()) {
        for (char& c : message)
            if (c == '\r') c = '\n';
        err << message << "\n";
        return 1;
    }
    out << r.output << "\n";
    return kExitOk;
#endif
}

}  // namespace vg
