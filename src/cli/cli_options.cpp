// vgraph-cli options FILE.vgr [--set NAME=VALUE]... [-o OUT.vgr]: the fields
// of the options dialogs by their names in the records, read or changed
// through the same checks as the dialogs.

#include <string>
#include <vector>

#include "app/options_by_name.h"
#include "cli/cli.h"
#include "cli/cli_commands.h"
#include "cli/cli_document_support.h"
#include "document/document_file.h"

namespace vg {

namespace {

struct OptionsArgs {
    std::string file;
    std::vector<std::pair<std::string, std::string>> changes;
    std::string output;
};

// False with the problem for the usage message.
bool ParseOptionsArgs(const std::vector<std::string>& args, OptionsArgs& o, std::string& problem)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--set" || a == "-o") {
            if (i + 1 >= args.size()) {
                problem = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (a == "-o") {
                o.output = value;
                continue;
            }
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                problem = "--set takes NAME=VALUE, not '" + value + "'";
                return false;
            }
            o.changes.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1) {
        problem = "expected one FILE.vgr";
        return false;
    }
    o.file = positional[0];
    return true;
}

}  // namespace

int RunOptionsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    OptionsArgs o;
    std::string problem;
    if (!ParseOptionsArgs(args, o, problem)) return CliUsageError(err, "options", problem);
    auto doc = OpenDocumentForCli("options", o.file, err);
    if (!doc) return kExitSyntaxError;

    TOptionsEditor editor(doc->Options, doc->View);
    for (const auto& [name, value] : o.changes) {
        switch (editor.Set(name, value)) {
        case TOptionsEditor::SetResult::Set: break;
        case TOptionsEditor::SetResult::UnknownName:
            return CliUsageError(err, "options", "no field named '" + name + "'");
        case TOptionsEditor::SetResult::NotAChoice:
            return CliUsageError(err, "options", name + " takes 0 or 1, not '" + value + "'");
        }
    }
    if (const std::optional<OptionsFailure> failure = editor.Apply(doc->Options, doc->View)) {
        PrintCliFileError(err, o.file, OptionsFailureText(*failure));
        return kExitSyntaxError;
    }
    if (!o.output.empty() && !WriteDocument(*doc, o.output)) {
        PrintCliFileError(err, o.output, "Input-output error");
        return 1;
    }
    if (o.changes.empty())
        for (const auto& [name, value] : OptionFieldTexts(doc->Options, doc->View)) out << name << "=" << value << "\n";
    return kExitOk;
}

}  // namespace vg
