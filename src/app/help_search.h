#pragma once

// The search box of the help window: a small index of the words of every
// help page, built when the window starts, and the look-up of a query.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vg {

// The words of a text as the index keeps them: runs of ASCII letters and
// digits, in lower case. Other characters separate words.
std::vector<std::string> HelpWords(std::string_view text);

struct HelpSearchHit {
    std::string page;     // file name of the page
    std::string title;    // its title
    std::string excerpt;  // a few words around the first match
    int score = 0;
};

class THelpIndex {
public:
    // Adds a page from its HTML text.
    void AddPage(const std::string& page, std::string_view html);
    std::size_t PageCount() const { return pages_.size(); }

    // The pages that hold every word of the query, best first. A query word
    // matches a page word that equals it or, for query words of three or
    // more letters, starts with it ("regress" finds "regression"). Words in
    // the title count more than words in the text, whole words more than
    // beginnings. An empty query finds nothing.
    std::vector<HelpSearchHit> Search(std::string_view query) const;

private:
    struct Page {
        std::string file;
        std::string title;
        std::string text;
    };
    struct Occurrences {
        int inText = 0;
        int inTitle = 0;
    };
    std::vector<Page> pages_;
    // word -> (page index -> occurrences)
    std::map<std::string, std::map<std::size_t, Occurrences>> words_;

    std::string Excerpt(const Page& page, const std::vector<std::string>& query) const;
};

}  // namespace vg
