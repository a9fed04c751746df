// Whatever a user types into a number box: parseNumber accepts exactly the documented forms,
// reads them to the value an independent reader gives, and what it reads writes back unchanged.

#include "FuzzText.h"
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

bool blank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

bool digit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

bool equalsIgnoringAsciiCase(std::wstring_view text, std::wstring_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i] >= L'A' && text[i] <= L'Z' ? static_cast<wchar_t>(text[i] + 32) : text[i];
        if (c != lower[i])
            return false;
    }
    return true;
}

// sign? (digits ('.' digits?)? | '.' digits) ([eE] sign? digits)?, or sign? inf|infinity|nan.
bool wellFormed(std::wstring_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        ++i;
    const std::wstring_view rest = text.substr(i);
    if (equalsIgnoringAsciiCase(rest, L"inf") || equalsIgnoringAsciiCase(rest, L"infinity")
        || equalsIgnoringAsciiCase(rest, L"nan"))
        return true;
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && digit(text[i]); ++i)
        ++mantissaDigits;
    if (i < text.size() && text[i] == L'.') {
        for (++i; i < text.size() && digit(text[i]); ++i)
            ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
            ++i;
        std::size_t exponentDigits = 0;
        for (; i < text.size() && digit(text[i]); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring typed = fuzz::wideText(data, size);
    const std::optional<double> value = shell::parseNumber(typed);

    std::wstring_view core = typed;
    while (!core.empty() && blank(core.front()))
        core.remove_prefix(1);
    while (!core.empty() && blank(core.back()))
        core.remove_suffix(1);
    if (value.has_value() != wellFormed(core))
        fuzz::fail(value ? "read a malformed text" : "refused a well-formed text", typed);
    if (!value)
        return 0;

    // The reference reader: the standard library's from_chars, which takes no '+' of its own.
    std::string narrow(core.begin(), core.end());  // all ASCII once well-formed
    const bool negative = narrow[0] == '-';
    if (narrow[0] == '+')
        narrow.erase(0, 1);
    double expected = 0;
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), expected);
    if (error == std::errc::result_out_of_range) {
        // Beyond the range an infinity, below it zero or a subnormal; the sign as typed.
        if (std::isnan(*value) || std::signbit(*value) != negative
            || (!std::isinf(*value) && std::fabs(*value) >= std::numeric_limits<double>::min()))
            fuzz::fail("wrong value out of range", typed);
    } else if (error != std::errc() || end != narrow.data() + narrow.size()) {
        fuzz::fail("reference reader refused the text", typed);
    } else if (std::isnan(expected) ? !std::isnan(*value) : testtext::bitsOf(*value) != testtext::bitsOf(expected)) {
        fuzz::fail("read a different value", typed);
    }

    // What was read, written again, reads back unchanged.
    if (!std::isnan(*value)) {
        const std::optional<double> again = shell::parseNumber(shell::formatNumber(*value));
        if (!again || testtext::bitsOf(*again) != testtext::bitsOf(*value))
            fuzz::fail("value does not survive writing", typed);
    }
    return 0;
}
