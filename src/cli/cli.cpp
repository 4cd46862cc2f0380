#include "cli/cli.h"

#include <algorithm>

#include "cli/cli_commands.h"

namespace vg {

const std::vector<CliCommand>& CliCommands()
{
    // The first line of a usage text is the synopsis that --help lists; the
    // lines after it are shown by "help COMMAND".
    static const std::vector<CliCommand> commands = {
        {"eval", "eval FORMULA [NAME=VALUE ...] [--format]", RunEvalCommand},
        {"check-formula", "check-formula FORMULA [NAME [NAME2]]", RunCheckFormulaCommand},
        {"derive",
         "derive [--depth] FORMULA [VARIABLE] | FILE.vgr --graph N\n"
         "  FILE.vgr --graph N: the Derivative window's texts for graph N, one line per edit",
         RunDeriveCommand},
        {"number",
         "number format|power|formula|display|parse-text|parse-input|parse-cell|nice-step TEXT\n"
         "  vgraph-cli number coordinate VALUE WIDTH SUMABS",
         RunNumberCommand},
        {"render",
         "render FILE.vgr OUT [--size WxH] [--scale S]\n"
         "  OUT ends in .bmp, .gif, .png, .svg or .pdf; WxH from 100x100 up to 3000x3000, S from 1 up to 10",
         RunRenderCommand},
        {"print",
         "print FILE.vgr OUT.pdf [--black-white] [--paper A4|Letter] [--landscape] [--margins L,T,R,B]\n"
         "  margins in thousandths of an inch from the paper's edges, 0 up to 99999, default 500 each",
         RunPrintCommand},
        {"check", "check FILE.vgr", RunCheckCommand},
        {"info", "info FILE.vgr", RunInfoCommand},
        {"compute", "compute FILE.vgr [--graph N]", RunComputeCommand},
        {"new",
         "new FILE.vgr [--add KIND FORMULA [--relation =0|<0|>0]]... [--add-table-file TABLE.txt [--rows]]...\n"
         "  KIND: YFromX (variable X), XFromY (Y), Polar (A), Param (T, \"X(t);Y(t)\"),\n"
         "        Equation (X and Y), DifField (X and Y), Table (\"x1,y1;x2,y2;...\")",
         RunNewCommand},
        {"tangent",
         "tangent FILE.vgr --graph N --at T [--normal]\n"
         "  T: x, y, t, or the angle in units of pi, by the kind of graph N; prints Y(x)=... or X(y)=...",
         RunTangentCommand},
        {"calc", "calc FORMULA [--variable V] [--value X]\n  V: one latin letter (default X); X defaults to 0",
         RunCalcCommand},
        {"integrate",
         "integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] [--abs] [--parts]\n"
         "  the integral of FORMULA1-FORMULA2 (FORMULA2 defaults to 0) over A..B (-10..10) by Simpson's rule\n"
         "  with 2N subintervals (N from 10 up to 2000, default 200); --abs: of the absolute value;\n"
         "  --parts: also the parts above and below",
         RunIntegrateCommand},
        {"regress",
         "regress FILE.vgr [--graph N] --kind KIND [--degree D] | --compare\n"
         "  KIND: linear, hyperbolic, logarithmic, power, exponential, exponential2,\n"
         "        polynomial (degree D from 2 up to 9, default 2) or best",
         RunRegressCommand},
        {"view",
         "view FILE.vgr OP [ARGS] [--size WxH] [-o OUT.vgr]\n"
         "  OP: zoom-in, zoom-out, zoom-in-x, zoom-in-y, zoom-out-x, zoom-out-y, left, right, up, down,\n"
         "      center, select PX1 PY1 PX2 PY2, wheel PX PY NOTCHES, standard-options, standard-intervals,\n"
         "      trig; pixels of a window of --size (default 800x600)",
         RunViewCommand},
        {"trace", "trace FILE.vgr --graph N --point K [--size WxH]", RunTraceCommand},
        {"options",
         "options FILE.vgr [--set NAME=VALUE]... [-o OUT.vgr]\n"
         "  NAME: a field of the document's options by its name in the records (MinX, LogX, HorColor,\n"
         "        AxisXName, AxisXNameFont.Size, TopTitle, Boxed...); without --set every field is printed",
         RunOptionsCommand},
        {"analyse",
         "analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] [--zeros] [--extrema] [--derivative]",
         RunAnalyseCommand},
        {"intersect", "intersect FORMULA1 FORMULA2 [--min A] [--max B] [--steps N] [--digits D]",
         RunIntersectCommand},
        {"values", "values FORMULA [--variable V] [--min A] [--max B] [--step S]", RunValuesCommand},
        {"edit",
         "edit FILE.vgr --graph N [--formula F] [--color C] [--width W] [--style S] [--points on|off]\n"
         "  [--lines on|off] [--visible on|off] [--min A --max B --steps N] [-o OUT.vgr]\n"
         "  F as for new; C from 0 up to 15, W from 1 up to 5, S from 0 up to 3; --min, --max and\n"
         "  --steps set the graph's own interval and steps (the X interval and both step counts of\n"
         "  Equation and DifField). Without -o the file is changed in place",
         RunEditCommand},
        {"delete", "delete FILE.vgr --graph N [-o OUT.vgr]", RunDeleteCommand},
        {"move",
         "move FILE.vgr --from I --to J [-o OUT.vgr]\n"
         "  graph I becomes graph J, the others keeping their order",
         RunMoveCommand},
        {"table-read", "table-read FILE.txt [--rows]\n"
         "  prints the points Open Table reads, one \"X Y\" line each; --rows: X values on the first line,\n"
         "  Y values on the second",
         RunTableReadCommand},
        {"table-write", "table-write FILE.vgr [--graph N] [--format mEp|power] [--comma]\n"
         "  writes what Save Table writes for graph N (else the first table graph) to standard output",
         RunTableWriteCommand},
        {"table-edit",
         "table-edit FILE.vgr --graph N COMMAND [ARGS] [-o OUT.vgr]\n"
         "  COMMAND: delete ROW, insert ROW, swap, purge, sort x-asc|x-desc|y-asc|y-desc,\n"
         "           fill x|y FORMULA [FROM TO] (variables: the other column and n, the row number),\n"
         "           modify x|y FORMULA [FROM TO] (variables x and y), replace VALUE WITH [--all];\n"
         "  writes the document to OUT.vgr, else back to FILE.vgr",
         RunTableEditCommand},
    };
    return commands;
}

namespace {

const CliCommand* FindCommand(std::string_view name)
{
    for (const CliCommand& c : CliCommands())
        if (name == c.name) return &c;
    return nullptr;
}

std::string_view Synopsis(const CliCommand& c)
{
    std::string_view usage = c.usage;
    return usage.substr(0, usage.find('\n'));
}

void PrintHelp(std::ostream& out)
{
    out << "Usage: vgraph-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const CliCommand& c : CliCommands()) out << "  " << Synopsis(c) << "\n";
    out << "\n'vgraph-cli help COMMAND' shows the usage of one command.\n";
}

void PrintCommandUsage(const CliCommand& c, std::ostream& out)
{
    out << "usage: vgraph-cli " << c.usage << "\n";
}

int UnknownCommand(std::string_view name, std::ostream& err)
{
    PrintCliError(err, "unknown command '" + std::string(name) + "'; 'vgraph-cli --help' lists the commands");
    return kExitUsage;
}

bool IsHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

int RunHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 2) return CliUsageError(err, "help", "expected at most one COMMAND");
    if (args.size() == 1) {
        PrintHelp(out);
        return kExitOk;
    }
    const CliCommand* c = FindCommand(args[1]);
    if (!c) return UnknownCommand(args[1], err);
    PrintCommandUsage(*c, out);
    return kExitOk;
}

std::string OneLine(std::string_view message)
{
    std::string line(message);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

}  // namespace

void PrintCliUsage(std::ostream& err)
{
    err << "Usage:\n";
    for (const CliCommand& c : CliCommands()) err << "  vgraph-cli " << Synopsis(c) << "\n";
}

void PrintCliError(std::ostream& err, std::string_view message)
{
    err << "vgraph-cli: " << OneLine(message) << "\n";
}

void PrintCliFileError(std::ostream& err, std::string_view file, std::string_view message)
{
    err << "vgraph-cli: " << file << ": " << OneLine(message) << "\n";
}

int CliUsageError(std::ostream& err, std::string_view command, std::string_view problem)
{
    err << "vgraph-cli: " << command << ": " << OneLine(problem) << "\n";
    if (const CliCommand* c = FindCommand(command)) PrintCommandUsage(*c, err);
    return kExitUsage;
}

int CliEmptyFormula(std::ostream& err)
{
    PrintCliError(err, kEmptyFormulaText);
    return kExitSyntaxError;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        PrintCliError(err, "missing COMMAND");
        PrintCliUsage(err);
        return kExitUsage;
    }
    if (args[0] == "help" || IsHelpOption(args[0])) return RunHelp(args, out, err);
    const CliCommand* c = FindCommand(args[0]);
    if (!c) return UnknownCommand(args[0], err);
    // "COMMAND --help" alone asks for the usage; a formula is never "--help".
    if (args.size() == 2 && args[1] == "--help") {
        PrintCommandUsage(*c, out);
        return kExitOk;
    }
    return c->run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
}

}  // namespace vg
