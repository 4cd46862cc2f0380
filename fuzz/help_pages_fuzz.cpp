// The help window reads every page of the help folder and its topics map at
// start; a page edited by hand, or any file placed there, must not crash it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/help_html.h"
#include "app/help_search.h"
#include "app/help_topics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)vg::HtmlPageTitle(bytes);
    (void)vg::HtmlLinkTargets(bytes);
    (void)vg::HtmlAnchorNames(bytes);
    vg::THelpIndex index;
    index.AddPage("page.html", bytes);
    index.AddPage("other.html", "<title>Other</title><p>sine and cosine</p>");
    // The page's own text as queries, and the bytes as the topics map.
    (void)index.Search(bytes.substr(0, 64));
    (void)index.Search("sin");
    const auto topics = vg::ParseHelpTopics(bytes);
    for (int context : {0, 1, 24, 207})
        (void)vg::HelpPageForContext(topics, context, [](const std::string& page) { return page.size() % 2 == 0; });
    return 0;
}
