#pragma once

// The arguments of the tool commands (analyse, intersect, values): operands,
// options that take the next argument as their value, and flags.

#include <initializer_list>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace vg {

struct CliToolArguments {
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    // The option's value, or fallback when it was not given.
    std::string Value(const std::string& option, const std::string& fallback) const;
    bool Flag(const std::string& flag) const { return flags.count(flag) > 0; }
};

// False with the problem ("unknown option --x", "--min needs a value") when
// an argument does not fit.
bool SplitToolArguments(const std::vector<std::string>& args, std::initializer_list<const char*> valueOptions,
                        std::initializer_list<const char*> flagOptions, CliToolArguments& out,
                        std::string& problem);

// A refused input: "vgraph-cli: " and the dialog's message, its "\r" line
// breaks written as new lines. Returns the exit status 2.
int ReportRefusedInput(const std::string& message, std::ostream& err);

// The text with CR LF and lone CR line ends written as LF.
std::string WithLfLineEnds(std::string text);

}  // namespace vg
