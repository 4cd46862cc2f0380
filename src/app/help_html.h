#pragma once

// Reading the help pages: their title, their plain text for the search
// index, and the links and anchors they hold. The pages are the program's own
// simple HTML, so a small tag scanner is enough.

#include <string>
#include <string_view>
#include <vector>

namespace vg {

// The text of <title>, entities decoded and blanks collapsed.
std::string HtmlPageTitle(std::string_view html);

// The text a reader sees: tags dropped (with the content of <head>, <style>
// and <script>), entities decoded (named ones of the pages and numeric ones,
// written as UTF-8), runs of white space made one blank.
std::string HtmlToText(std::string_view html);

// The value of every href attribute of <a> and <link> and of every src
// attribute of <img>, in page order, entities decoded.
std::vector<std::string> HtmlLinkTargets(std::string_view html);

// The names a link may point at: name attributes of <a> and every id.
std::vector<std::string> HtmlAnchorNames(std::string_view html);

}  // namespace vg
