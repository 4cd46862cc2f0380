#pragma once

// Which page of the help folder explains a help context. The folder's
// "topics.txt" maps context numbers to pages, so that a menu command and the
// window it opens share one page; a context it does not name falls back to
// the page "context_N.html", and failing that to the contents page.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace vg {

inline constexpr const char* kHelpContentsPage = "index.html";
inline constexpr const char* kHelpTopicsFile = "topics.txt";

// One line per topic: the context number, blanks, the page (optionally with
// "#anchor"), and any words after it for the reader. Blank lines and lines
// starting with "#" are comments; lines that do not start with a number are
// skipped. A number given twice keeps its last page.
std::map<int, std::string> ParseHelpTopics(std::string_view text);

// The page (with its anchor, if any) that shows a context: the map's page,
// else "context_N.html" when pageExists says the folder holds it, else the
// contents page. Context 0 (and below) asks for the contents page.
std::string HelpPageForContext(const std::map<int, std::string>& topics, int context,
                               const std::function<bool(const std::string& page)>& pageExists);

// The page file of a link target: the text before "#".
std::string HelpPageFile(std::string_view target);

}  // namespace vg
