#include "NumberText.h"

#include "Blanks.h"
#include "DecimalDigits.h"

#include <cmath>
#include <cstdlib>
#include <memory>

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

bool isBlankOrControl(wchar_t c)
{
    return c < L' ' || isBlank(c) || c == 0x7F;
}

// The text printf's "%.*g" writes for these digits: plain when the exponent is at least -4 and
// below the precision, otherwise d.ddde+XX with at least two exponent digits; no trailing zeros
// after the point. text holds at least 32 characters.
void layOutAsPrintfG(const DecimalDigits& number, int precision, char* text)
{
    if (number.negative)
        *text++ = '-';
    const int exponent = number.point - 1;
    if (exponent < -4 || exponent >= precision) {
        *text++ = number.digits[0];
        if (number.count > 1)
            *text++ = '.';
        for (int i = 1; i < number.count; ++i)
            *text++ = number.digits[i];
        *text++ = 'e';
        *text++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            *text++ = static_cast<char>('0' + magnitude / 100);
        *text++ = static_cast<char>('0' + magnitude / 10 % 10);
        *text++ = static_cast<char>('0' + magnitude % 10);
    } else if (number.point <= 0) {
        *text++ = '0';
        *text++ = '.';
        for (int i = number.point; i < 0; ++i)
            *text++ = '0';
        for (int i = 0; i < number.count; ++i)
            *text++ = number.digits[i];
    } else {
        for (int i = 0; i < number.count || i < number.point; ++i) {
            if (i == number.point)
                *text++ = '.';
            *text++ = i < number.count ? number.digits[i] : '0';
        }
    }
    *text = '\0';
}

double readBack(const char* text)
{
    return std::strtod(text, nullptr);
}

}  // namespace

wchar_t decimalSeparator(std::wstring_view localeSeparator)
{
    if (localeSeparator.size() != 1)
        return L'.';
    const wchar_t c = localeSeparator.front();
    return isNumberCharacter(c) || isBlankOrControl(c) ? L'.' : c;
}

std::optional<double> parseNumber(std::wstring_view text, wchar_t separator)
{
    text = trimBlanks(text);
    if (text.empty())
        return std::nullopt;

    const auto narrow = std::make_unique<char[]>(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i] == separator ? L'.' : text[i];
        if (!isNumberCharacter(c))
            return std::nullopt;
        narrow[i] = static_cast<char>(c);
    }

    char* end = nullptr;
    const double value = std::strtod(narrow.get(), &end);
    if (end != narrow.get() + text.size())
        return std::nullopt;
    return value;
}

Text formatNumber(double value, wchar_t separator)
{
    if (std::isnan(value))
        return L"nan";  // whatever its sign bit: "-nan" would only puzzle the reader
    if (std::isinf(value))
        return value < 0 ? L"-inf" : L"inf";

    char text[32];
    for (int precision = 15; precision <= 17; ++precision) {
        layOutAsPrintfG(decimalDigits(value, precision), precision, text);
        if (readBack(text) == value)
            break;
    }
    wchar_t wide[sizeof text];
    std::size_t length = 0;
    for (; text[length] != '\0'; ++length)
        wide[length] = text[length] == '.' ? separator : static_cast<unsigned char>(text[length]);
    return std::wstring_view(wide, length);
}

}  // namespace shell
