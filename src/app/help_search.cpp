#include "app/help_search.h"

#include <algorithm>
#include <cctype>

#include "app/help_html.h"

namespace vg {

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80; }

constexpr int kTitleWeight = 10;
constexpr std::size_t kPrefixMinimum = 3;
constexpr std::size_t kExcerptBefore = 40;
constexpr std::size_t kExcerptLength = 120;

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string Lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Moves an index of a UTF-8 text back to the start of a character.
std::size_t CharacterStart(const std::string& text, std::size_t i)
{
    while (i > 0 && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
    return i;
}

}  // namespace

std::vector<std::string> HelpWords(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (IsWordChar(c)) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

void THelpIndex::AddPage(const std::string& page, std::string_view html)
{
    const std::size_t index = pages_.size();
    pages_.push_back({page, HtmlPageTitle(html), HtmlToText(html)});
    for (const std::string& word : HelpWords(pages_.back().text)) ++words_[word][index].inText;
    for (const std::string& word : HelpWords(pages_.back().title)) ++words_[word][index].inTitle;
}

std::vector<HelpSearchHit> THelpIndex::Search(std::string_view query) const
{
    const std::vector<std::string> terms = HelpWords(query);
    if (terms.empty()) return {};
    std::map<std::size_t, int> scores;
    for (std::size_t t = 0; t < terms.size(); ++t) {
        const std::string& term = terms[t];
        std::map<std::size_t, int> termScores;
        for (auto it = words_.lower_bound(term); it != words_.end() && StartsWith(it->first, term); ++it) {
            const bool whole = it->first == term;
            if (!whole && term.size() < kPrefixMinimum) break;
            for (const auto& [page, seen] : it->second) {
                const int weight = whole ? 2 : 1;
                termScores[page] += weight * (seen.inText + kTitleWeight * seen.inTitle);
            }
        }
        // Every term must match: keep only the pages found for all so far.
        if (t == 0) {
            scores = std::move(termScores);
        } else {
            for (auto it = scores.begin(); it != scores.end();) {
                auto found = termScores.find(it->first);
                if (found == termScores.end()) {
                    it = scores.erase(it);
                } else {
                    it->second += found->second;
                    ++it;
                }
            }
        }
        if (scores.empty()) return {};
    }
    std::vector<HelpSearchHit> hits;
    for (const auto& [page, score] : scores)
        hits.push_back({pages_[page].file, pages_[page].title, Excerpt(pages_[page], terms), score});
    std::stable_sort(hits.begin(), hits.end(), [](const HelpSearchHit& a, const HelpSearchHit& b) {
        if (a.score != b.score) return a.score > b.score;
        return a.title < b.title;
    });
    return hits;
}

std::string THelpIndex::Excerpt(const Page& page, const std::vector<std::string>& query) const
{
    const std::string lowered = Lowered(page.text);
    std::size_t at = std::string::npos;
    for (const std::string& term : query) {
        // The first place where a word starts with the term.
        for (std::size_t found = lowered.find(term); found != std::string::npos; found = lowered.find(term, found + 1)) {
            if (found == 0 || !IsWordChar(lowered[found - 1])) {
                at = found;
                break;
            }
        }
        if (at != std::string::npos) break;
    }
    if (at == std::string::npos) at = 0;
    std::size_t start = at > kExcerptBefore ? at - kExcerptBefore : 0;
    // Begin and end at word boundaries.
    if (start > 0) {
        std::size_t blank = page.text.find(' ', start);
        if (blank != std::string::npos && blank < at) start = blank + 1;
    }
    start = CharacterStart(page.text, start);
    std::size_t end = std::min(page.text.size(), start + kExcerptLength);
    if (end < page.text.size()) {
        std::size_t blank = page.text.rfind(' ', end);
        if (blank != std::string::npos && blank > at) end = blank;
        end = CharacterStart(page.text, end);
    }
    std::string excerpt = page.text.substr(start, end - start);
    if (start > 0) excerpt = "..." + excerpt;
    if (end < page.text.size()) excerpt += "...";
    return excerpt;
}

}  // namespace vg
