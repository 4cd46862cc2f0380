#include "cli/cli_document_support.h"

#include <charconv>
#include <cmath>

#include "cli/cli.h"
#include "document/document_file.h"

namespace vg {

std::unique_ptr<TGraphicsManager> OpenDocumentForCli(const std::string& command, const std::string& fileName,
                                                     std::ostream& err)
{
    (void)command;
    std::string message;
    auto document = OpenDocument(fileName, DefaultViewSettings(), DefaultDocumentOptions(), message);
    if (!document) PrintCliFileError(err, fileName, message);
    return document;
}

std::string CliNumber(long double v)
{
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    // Plain digits where they stay readable, the exponent form beyond; the
    // digits are the fewest that read back to the same value either way.
    const long double magnitude = std::fabs(v);
    const bool plain = magnitude == 0 || (magnitude >= 1e-7L && magnitude < 1e21L);
    char text[128];
    const auto r = std::to_chars(text, text + sizeof text, v,
                                 plain ? std::chars_format::fixed : std::chars_format::scientific);
    return std::string(text, r.ptr);
}

}  // namespace vg
