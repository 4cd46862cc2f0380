#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vg {

// One command: receives the arguments after its name.
using CliCommandFunction = int (*)(const std::vector<std::string>& args, std::ostream& out,
                                   std::ostream& err);

struct CliCommand {
    const char* name;
    const char* usage;  // one line, without the program name
    CliCommandFunction run;
};

// The table of commands, defined in cli.cpp.
const std::vector<CliCommand>& CliCommands();

// Prints the usage text of every command.
void PrintCliUsage(std::ostream& err);

// Formula engine commands.
int RunEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCheckFormulaCommand(const std::vector<std::string>& args, std::ostream& out,
                           std::ostream& err);
// Symbolic derivative of a formula.
int RunDeriveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Number text forms.
int RunNumberCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Pictures of documents.
int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// A document printed into a PDF file.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Document files: check, list, compute, create.
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunInfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunComputeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunNewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Calculus tools: tangent and normal lines, the calculator, definite integrals.
int RunTangentCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunIntegrateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Regression of a table graph.
int RunRegressCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// View interval operations and the trace pointer on a document.
int RunViewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTraceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The options dialogs' fields of a document, read or changed by name.
int RunOptionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Calculus tools: function analysis, intersections, value table.
int RunAnalyseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunIntersectCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunValuesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Changing, deleting and reordering the graphs of a document file.
int RunEditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDeleteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMoveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Table text files and the table grid's commands.
int RunTableReadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTableWriteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTableEditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vg
