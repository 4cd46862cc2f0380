#include "cli/cli_calculus_support.h"

#include <charconv>

#include "cli/cli.h"

namespace vg {

bool ParseGraphNumber(const std::string& text, int& number)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), number);
    return !text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size() && number >= 1;
}

const GraphRecord* ChosenGraph(const TGraphicsManager& document, const std::string& file, int number,
                               std::ostream& err)
{
    if (number < 1 || number > document.GraphCount()) {
        PrintCliFileError(err, file, "the document has " + std::to_string(document.GraphCount()) + " graphs");
        return nullptr;
    }
    return &document.Graph(number - 1).Record;
}

}  // namespace vg
