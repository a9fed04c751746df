#pragma once
// The text form of numbers in edit boxes. Whatever formatNumber writes, parseNumber reads back to
// the same value (NaN and infinities included), so a box the program filled never becomes
// unreadable. The decimal separator is the user's (see decimalSeparator); '.' is read as one too.
// No digit grouping either way: a comma that is not the decimal separator is not a number's.

#include "Text.h"

#include <optional>
#include <string_view>

namespace shell {

// The separator the number texts use for a locale whose decimal separator is `localeSeparator`:
// that character, if it is a single one that cannot be mistaken for part of a number (a digit,
// a sign, a letter of "e", "inf" or "nan", a blank, a control character); '.' otherwise.
wchar_t decimalSeparator(std::wstring_view localeSeparator);

// Accepts an optional sign and a decimal number with optional exponent, or "inf", "infinity",
// "nan" in any case; blanks around it are ignored. Anything else, the empty text included, is
// unreadable. Values beyond the double range read as infinities, below it as zero.
std::optional<double> parseNumber(std::wstring_view text, wchar_t separator = L'.');

// The shortest of the 15-, 16- and 17-digit forms that reads back exactly; "inf", "-inf", "nan".
Text formatNumber(double value, wchar_t separator = L'.');

}  // namespace shell
