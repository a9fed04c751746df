#pragma once
// Texts that, typed into a field, start one of the host's programs. A key maps to a fixed
// command text: only that text ever reaches the command interpreter, never what was typed.
// Free of <windows.h> so that the matching can be tested on any host.

#include "Blanks.h"

#include <string_view>

namespace shell {

enum class KeyMatch {
    Exact,  // the whole text, character for character
    Word,   // the whole text without the blanks around it, ASCII letters in any case
};

struct LaunchKey {
    std::wstring_view text;
    const char* command;
};

constexpr wchar_t asciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

constexpr bool keyMatches(std::wstring_view key, std::wstring_view typed, KeyMatch how)
{
    if (how == KeyMatch::Exact)
        return typed == key;
    typed = trimBlanks(typed);
    if (typed.size() != key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (asciiLower(typed[i]) != asciiLower(key[i]))
            return false;
    }
    return true;
}

}  // namespace shell
