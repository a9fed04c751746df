// Every double the programs may show: formatNumber writes a short, plain text that parseNumber
// reads back to the same bits (any NaN as "nan"), and no shorter form of those digits would do.

#include "FuzzText.h"
#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

bool plainCharacter(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || c == L'-' || c == L'+' || c == L'.' || c == L'e';
}

// The digits the text shows, sign and exponent aside: "-1.25e+30" shows 125.
std::size_t significantDigits(const std::wstring& text)
{
    std::wstring digits;
    for (wchar_t c : text) {
        if (c == L'e')
            break;
        if (c >= L'0' && c <= L'9')
            digits.push_back(c);
    }
    const std::size_t first = digits.find_first_not_of(L'0');
    const std::size_t last = digits.find_last_not_of(L'0');
    return first == std::wstring::npos ? 1 : last - first + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    double value;
    std::memcpy(&value, &bits, sizeof value);

    const std::wstring text(shell::formatNumber(value).view());
    if (text.empty() || text.size() > 24)
        fuzz::fail("text empty or longer than 24 characters", text);

    const std::optional<double> back = shell::parseNumber(text);
    if (!back)
        fuzz::fail("text does not read back", text);
    if (std::isnan(value)) {
        if (text != L"nan" || !std::isnan(*back))
            fuzz::fail("NaN not written as nan", text);
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value < 0 ? L"-inf" : L"inf") || *back != value)
            fuzz::fail("infinity not written as inf", text);
        return 0;
    }
    if (testtext::bitsOf(*back) != testtext::bitsOf(value))
        fuzz::fail("text reads back to other bits", text);
    for (wchar_t c : text) {
        if (!plainCharacter(c))
            fuzz::fail("text holds a character outside digits, sign, point and e", text);
    }

    // Shortest of 15, 16 and 17 digits: with one digit less it would not have read back.
    const std::size_t shown = significantDigits(text);
    if (shown > 17)
        fuzz::fail("more than 17 significant digits", text);
    if (shown > 15) {
        char shorter[40];
        std::snprintf(shorter, sizeof shorter, "%.*e", static_cast<int>(shown) - 2, value);
        if (std::strtod(shorter, nullptr) == value)
            fuzz::fail("a shorter form reads back too", text);
    }
    return 0;
}
