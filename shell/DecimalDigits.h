#pragma once
// The leading significant digits of a finite double, correctly rounded (to nearest, ties to
// even): the conversion at the heart of printf's "%.*g", without the rest of printf.

namespace shell {

struct DecimalDigits {
    char digits[24];  // no trailing zeros, null-terminated; "0" for zero
    int count;
    int point;        // where the decimal point goes: the value is 0.digits times ten to this
    bool negative;    // the sign bit, so -0.0 is negative
};

// precision: 1 to 17 significant digits.
DecimalDigits decimalDigits(double value, int precision);

}  // namespace shell
