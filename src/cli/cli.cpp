#include "cli/cli.h"

#include "cli/cli_commands.h"

namespace vg {

const std::vector<CliCommand>& CliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"eval", "eval FORMULA [NAME=VALUE ...] [--format]", RunEvalCommand},
        {"check-formula", "check-formula FORMULA [NAME [NAME2]]", RunCheckFormulaCommand},
        {"derive", "derive [--depth] FORMULA [VARIABLE]", RunDeriveCommand},
        {"number", "number format|power|formula|display|parse-text|parse-input|parse-cell TEXT",
         RunNumberCommand},
        {"render", "render FILE.vgr OUT [--size WxH] [--scale S]", RunRenderCommand},
        {"check", "check FILE.vgr", RunCheckCommand},
        {"info", "info FILE.vgr", RunInfoCommand},
        {"compute", "compute FILE.vgr [--graph N]", RunComputeCommand},
        {"new", "new FILE.vgr [--add KIND FORMULA [--relation =0|<0|>0]]...", RunNewCommand},
        {"regress", "regress FILE.vgr [--graph N] --kind KIND [--degree D] | --compare", RunRegressCommand},
    };
    return commands;
}

void PrintCliUsage(std::ostream& err)
{
    err << "Usage:\n";
    for (const CliCommand& c : CliCommands()) err << "  vgraph-cli " << c.usage << "\n";
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        PrintCliUsage(err);
        return kExitUsage;
    }
    for (const CliCommand& c : CliCommands()) {
        if (args[0] == c.name) {
            return c.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
        }
    }
    err << "vgraph-cli: unknown command '" << args[0] << "'\n";
    PrintCliUsage(err);
    return kExitUsage;
}

}  // namespace vg
