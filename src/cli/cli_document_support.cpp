#include "cli/cli_document_support.h"

#include <charconv>
#include <cmath>

#include "document/document_file.h"

namespace vg {

std::unique_ptr<TGraphicsManager> OpenDocumentForCli(const std::string& command, const std::string& fileName,
                                                     std::ostream& err)
{
    std::string message;
    auto document = OpenDocument(fileName, DefaultViewSettings(), DefaultDocumentOptions(), message);
    if (!document) err << "vgraph-cli " << command << ": " << message << "\n";
    return document;
}

std::string CliNumber(long double v)
{
    if (std::isnan(v) || std::isinf(v)) return "inf";
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, v);
    return std::string(text, r.ptr);
}

}  // namespace vg
