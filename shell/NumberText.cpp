#include "NumberText.h"

#include "Blanks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace shell {
namespace {

// Characters that can occur in a decimal number or in "inf", "infinity", "nan". Keeping out
// everything else (notably 'x' and parentheses) stops strtod's hexadecimal and "nan(...)" forms.
bool isNumberCharacter(wchar_t c)
{
    if ((c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'.')
        return true;
    switch (c | 0x20) {  // ASCII letters to lower case
    case L'a': case L'e': case L'f': case L'i': case L'n': case L't': case L'y':
        return true;
    default:
        return false;
    }
}

double readBack(const char* text)
{
    return std::strtod(text, nullptr);
}

}  // namespace

std::optional<double> parseNumber(std::wstring_view text)
{
    text = trimBlanks(text);
    if (text.empty())
        return std::nullopt;

    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) {
        if (!isNumberCharacter(c))
            return std::nullopt;
        narrow.push_back(static_cast<char>(c));
    }

    char* end = nullptr;
    const double value = std::strtod(narrow.c_str(), &end);
    if (end != narrow.c_str() + narrow.size())
        return std::nullopt;
    return value;
}

std::wstring formatNumber(double value)
{
    if (std::isnan(value))
        return L"nan";  // whatever its sign bit: "-nan" would only puzzle the reader

    char buffer[32];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (readBack(buffer) == value)
            break;
    }
    return std::wstring(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace shell
