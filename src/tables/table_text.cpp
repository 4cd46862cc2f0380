#include "tables/table_text.h"

#include "engine/number_text.h"

namespace vg {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string_view TrimLeftText(std::string_view text)
{
    while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimText(std::string_view text)
{
    text = TrimLeftText(text);
    while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
    return text;
}

bool ReadGridNumber(std::string_view text, long double& value)
{
    bool failed = false;
    value = ParseNumberInput(text, failed);
    return !failed;
}

bool IsGridNumber(std::string_view text)
{
    long double value = 0;
    return ReadGridNumber(text, value);
}

}  // namespace vg
