#pragma once
// What the host, fuzz and Wine tests print about the texts and numbers they try: a text with
// every character outside printable ASCII (and the backslash) escaped, a name or path as plain
// ASCII, and a double's bits.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace testtext {

inline std::string printable(std::wstring_view text)
{
    std::string out;
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != L'\\') {
            out += static_cast<char>(c);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\x{%X}", static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out;
}

// A name or path for a test message: ASCII as it is, anything else as '?'.
inline std::string narrow(std::wstring_view text)
{
    std::string result;
    for (wchar_t c : text)
        result += c < 128 ? static_cast<char>(c) : '?';
    return result;
}

// Compared bit for bit: -0 differs from 0, and a NaN equals itself.
inline std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace testtext
