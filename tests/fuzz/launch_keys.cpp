// Whatever is typed into a launch field, against any key: an exact key matches the very same
// text only, a word the same letters in any ASCII case with blanks around them. The input is
// "key|typed"; the first '|' separates them.

#include "FuzzText.h"
#include "LaunchKeys.h"

#include <string>
#include <string_view>

namespace {

bool blank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

wchar_t folded(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

bool wordMatches(std::wstring_view key, std::wstring_view typed)
{
    std::size_t first = 0;
    std::size_t last = typed.size();
    while (first < last && blank(typed[first]))
        ++first;
    while (last > first && blank(typed[last - 1]))
        --last;
    if (last - first != key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (folded(key[i]) != folded(typed[first + i]))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring input = fuzz::wideText(data, size);
    const std::size_t bar = input.find(L'|');
    if (bar == std::wstring::npos)
        return 0;
    const std::wstring key = input.substr(0, bar);
    const std::wstring typed = input.substr(bar + 1);

    if (shell::keyMatches(key, typed, shell::KeyMatch::Exact) != (key == typed))
        fuzz::fail("exact match differs from equality", input);
    if (shell::keyMatches(key, typed, shell::KeyMatch::Word) != wordMatches(key, typed))
        fuzz::fail("word match differs from trimmed case-blind equality", input);
    return 0;
}
