#pragma once
// Blanks around what a user typed: spaces, tabs and line breaks.

#include <string_view>

namespace shell {

constexpr bool isBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

constexpr std::wstring_view trimBlanks(std::wstring_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace shell
