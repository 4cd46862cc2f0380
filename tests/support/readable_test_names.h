#pragma once
// Names for the cases of parameterised suites, made from what each row tests
// ("07_SIN_X_pow_2"), so that lists and failure reports say which row it is.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace vg::test {

inline std::string ReadableTestName(std::size_t index, std::string_view text)
{
    constexpr std::size_t kMaxLength = 60;
    std::string name = (index < 10 ? "0" : "") + std::to_string(index);
    bool inWord = false;
    auto startWord = [&name, &inWord](std::string_view word) {
        name += '_';
        name += word;
        inWord = false;
    };
    for (char c : text) {
        if (name.size() >= kMaxLength) break;
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (!inWord) name += '_';
            name += c;
            inWord = true;
            continue;
        }
        switch (c) {
        case '^': startWord("pow"); break;
        case '*': startWord("mul"); break;
        case '/': startWord("div"); break;
        case '+': startWord("plus"); break;
        case '-': startWord("minus"); break;
        case '<': startWord("lt"); break;
        case '>': startWord("gt"); break;
        case '=': startWord("eq"); break;
        case '.': startWord("dot"); break;
        default: inWord = false; break;
        }
    }
    return name;
}

// The name generator of INSTANTIATE_TEST_SUITE_P from a row's describing text.
template <typename Row, typename TextOf>
auto NamesFrom(TextOf textOf)
{
    return [textOf](const ::testing::TestParamInfo<Row>& info) {
        return ReadableTestName(info.index, textOf(info.param));
    };
}

}  // namespace vg::test
