#include "app/help_topics.h"

#include <cctype>
#include <charconv>

namespace vg {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view NextWord(std::string_view& line)
{
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

}  // namespace

std::map<int, std::string> ParseHelpTopics(std::string_view text)
{
    std::map<int, std::string> topics;
    while (!text.empty()) {
        std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        std::string_view number = NextWord(line);
        if (number.empty() || number[0] == '#') continue;
        int context = 0;
        auto parsed = std::from_chars(number.data(), number.data() + number.size(), context);
        if (parsed.ec != std::errc() || parsed.ptr != number.data() + number.size()) continue;
        std::string_view page = NextWord(line);
        if (!page.empty()) topics[context] = std::string(page);
    }
    return topics;
}

std::string HelpPageForContext(const std::map<int, std::string>& topics, int context,
                               const std::function<bool(const std::string& page)>& pageExists)
{
    if (context <= 0) return kHelpContentsPage;
    auto found = topics.find(context);
    if (found != topics.end()) return found->second;
    std::string page = "context_" + std::to_string(context) + ".html";
    if (pageExists && pageExists(page)) return page;
    return kHelpContentsPage;
}

std::string HelpPageFile(std::string_view target)
{
    return std::string(target.substr(0, target.find('#')));
}

}  // namespace vg
