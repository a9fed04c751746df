#pragma once
// Wide text as ASCII for test messages (anything else as '?').

#include <string>

namespace it {

inline std::string narrow(const std::wstring& text)
{
    std::string result;
    for (wchar_t c : text)
        result += c < 128 ? static_cast<char>(c) : '?';
    return result;
}

}  // namespace it
