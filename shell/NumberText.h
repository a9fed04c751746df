#pragma once
// The text form of numbers in edit boxes. Whatever formatNumber writes, parseNumber reads back to
// the same value (NaN and infinities included), so a box the program filled never becomes
// unreadable. Decimal point '.', whatever the user's locale.

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// Accepts an optional sign and a decimal number with optional exponent, or "inf", "infinity",
// "nan" in any case; blanks around it are ignored. Anything else, the empty text included, is
// unreadable. Values beyond the double range read as infinities, below it as zero.
std::optional<double> parseNumber(std::wstring_view text);

// The shortest of the 15-, 16- and 17-digit forms that reads back exactly; "inf", "-inf", "nan".
std::wstring formatNumber(double value);

}  // namespace shell
