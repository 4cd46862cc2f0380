#include "cli/cli_graph_support.h"

#include <charconv>

#include "cli/cli.h"
#include "document/document_file.h"

namespace vg {

bool ParseGraphFileArgs(const std::vector<std::string>& args, const std::set<std::string>& names,
                        GraphFileArgs& parsed, std::string& problem)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool option = a == "-o" || names.count(a) > 0;
        if (option && i + 1 >= args.size()) {
            problem = a + " needs a value";
            return false;
        }
        if (a == "-o") {
            parsed.output = args[++i];
        } else if (option) {
            parsed.options[a] = args[++i];
        } else if (parsed.file.empty() && a.rfind("-", 0) != 0) {
            parsed.file = a;
        } else {
            problem = "unexpected argument '" + a + "'";
            return false;
        }
    }
    if (parsed.file.empty()) {
        problem = "missing FILE.vgr";
        return false;
    }
    return true;
}

bool GraphNumberGiven(const GraphFileArgs& parsed, const std::string& command, const std::string& option,
                      int& number, std::ostream& err)
{
    const auto found = parsed.options.find(option);
    if (found == parsed.options.end()) {
        CliUsageError(err, command, "missing " + option + " N");
        return false;
    }
    const std::string& text = found->second;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), number);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || number < 1) {
        CliUsageError(err, command, option + " N: N is a graph number from 1, not '" + text + "'");
        return false;
    }
    return true;
}

bool GraphExists(const GraphFileArgs& parsed, int number, int count, std::ostream& err)
{
    if (number <= count) return true;
    PrintCliFileError(err, parsed.file, "the document has " + std::to_string(count) + " graphs");
    return false;
}

int WriteGraphFile(const TGraphicsManager& document, const GraphFileArgs& parsed, std::ostream& err)
{
    const std::string& target = parsed.output.empty() ? parsed.file : parsed.output;
    if (WriteDocument(document, target)) return kExitOk;
    PrintCliFileError(err, target, kIoErrorText);
    return 1;
}

}  // namespace vg
