#pragma once
// Wide text from fuzzer bytes. A byte below 0x80 is that character, so the seed files stay
// readable; 0x80-0xFE and the two bytes after it give any code up to 0x7FFFFF (NUL, surrogates,
// full-width forms, beyond the BMP); 0xFF and the four bytes after it give any 32-bit pattern,
// negative wchar_t values included. A sequence cut short by the end of the input is dropped.

#include "TestText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

inline std::wstring wideText(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t lead = data[i++];
        if (lead < 0x80) {
            text.push_back(static_cast<wchar_t>(lead));
        } else if (lead < 0xFF) {
            if (size - i < 2)
                break;
            text.push_back(static_cast<wchar_t>((std::uint32_t{lead} & 0x7Fu) << 16 | std::uint32_t{data[i]} << 8
                                                | data[i + 1]));
            i += 2;
        } else {
            if (size - i < 4)
                break;
            std::uint32_t bits = 0;
            for (int k = 0; k < 4; ++k)
                bits = bits << 8 | data[i + k];
            text.push_back(static_cast<wchar_t>(bits));
            i += 4;
        }
    }
    return text;
}

// Reports the broken property and stops the run, so that libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, std::wstring_view text)
{
    std::fprintf(stderr, "FAILED: %s for \"%s\"\n", what, testtext::printable(text).c_str());
    std::abort();
}

}  // namespace fuzz
