// vgraph-cli print FILE.vgr OUT.pdf [--black-white] [--paper A4|Letter]
// [--landscape] [--margins L,T,R,B]: computes the document and prints it
// through the program's printing path into a PDF file.

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "app/main_commands.h"
#include "app/printing.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"

#ifdef VG_CLI_QT_RENDER
#include "platform/qt/qt_picture_devices.h"
#include "platform/qt/qt_printer.h"
#endif

namespace vg {

namespace {

struct PrintArgs {
    std::string input;
    std::string output;
    PrinterChoice printer;
    PageMargins margins;
    bool blackAndWhite = false;
};

bool ParseMargin(const std::string& text, int& value)
{
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && value >= kMinMargin &&
           value <= kMaxMargin;
}

bool ParseMargins(const std::string& text, PageMargins& m)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        parts.push_back(text.substr(start, comma - start));
    parts.push_back(text.substr(start));
    return parts.size() == 4 && ParseMargin(parts[0], m.Left) && ParseMargin(parts[1], m.Top) &&
           ParseMargin(parts[2], m.Right) && ParseMargin(parts[3], m.Bottom);
}

// A refused option: exit 2 with the form it takes.
int OptionError(std::ostream& err, const std::string& message)
{
    PrintCliError(err, "print: " + message);
    return kExitSyntaxError;
}

// The exit status of a refused argument, 0 when all were taken.
int ParsePrintArgs(const std::vector<std::string>& args, PrintArgs& out, std::ostream& err)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--black-white") {
            out.blackAndWhite = true;
        } else if (a == "--landscape") {
            out.printer.Landscape = true;
        } else if (a == "--paper" || a == "--margins") {
            if (i + 1 >= args.size())
                return OptionError(err, a + (a == "--paper" ? " needs A4 or Letter" : " needs L,T,R,B"));
            const std::string& v = args[++i];
            if (a == "--paper") {
                if (v != "A4" && v != "Letter") return OptionError(err, "--paper: A4 or Letter (got '" + v + "')");
                out.printer.Paper = v;
            } else if (!ParseMargins(v, out.margins)) {
                return OptionError(err, "--margins L,T,R,B: four whole numbers from " + std::to_string(kMinMargin) +
                                            " up to " + std::to_string(kMaxMargin) +
                                            ", thousandths of an inch (got '" + v + "')");
            }
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            return OptionError(err, "unknown option " + a + "; 'vgraph-cli help print' shows the usage");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) return CliUsageError(err, "print", "expected FILE.vgr and OUT.pdf");
    out.input = files[0];
    out.output = files[1];
    return kExitOk;
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    (void)out;
    PrintArgs p;
    if (int status = ParsePrintArgs(args, p, err); status != kExitOk) return status;
#ifndef VG_CLI_QT_RENDER
    PrintCliError(err, "print: printing needs the GUI build (configure with VG_GUI=ON)");
    return 1;
#else
    std::unique_ptr<TGraphicsManager> document = OpenDocumentForCli("print", p.input, err);
    if (!document) return kExitSyntaxError;
    document->ComputeAllGraphs();
    EnsureOffscreenGuiApplication();
    std::unique_ptr<PrintPage> page = CreateQtPrintPage(p.printer, p.output);
    PrintRequest request;
    request.Title = FileNamePart(p.input);
    request.Margins = p.margins;
    request.BlackAndWhite = p.blackAndWhite;
    const PrintResult result = PrintDocument(*document, *page, request);
    if (result.Outcome == PrintOutcome::Printed) return kExitOk;
    PrintCliFileError(err, p.output, result.Message);
    return result.Outcome == PrintOutcome::Refused ? kExitSyntaxError : 1;
#endif
}

}  // namespace vg
