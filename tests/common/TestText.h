#pragma once
// What the host, fuzz and Wine tests print about the texts and numbers they try: a text with
// every character outside printable ASCII (and the backslash) escaped, and a double's bits.

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

// Compared bit for bit: -0 differs from 0, and a NaN equals itself.
inline std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace testtext
