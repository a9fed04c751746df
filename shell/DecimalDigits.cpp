#include "DecimalDigits.h"

#include <cstring>

#ifdef _WIN32
#include "OutOfMemory.h"

// MinGW-w64's correctly rounded conversion (David Gay's dtoa), the one its own printf runs on.
// Called directly, it spares the programs printf's formatting engine and its locale and
// wide-character support, which they never use.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the runtime's own names
extern "C" char* __dtoa(double value, int mode, int digits, int* point, int* negative, char** end);
extern "C" void __freedtoa(char* digits);  // NOLINT(bugprone-reserved-identifier)
#else
#include <cstdio>
#include <cstdlib>
#endif

namespace shell {

#ifdef _WIN32

DecimalDigits decimalDigits(double value, int precision)
{
    DecimalDigits result{};
    int negative = 0;
    char* end = nullptr;
    char* digits = __dtoa(value, 2, precision, &result.point, &negative, &end);  // mode 2: at most `precision`
    if (digits == nullptr)
        endOutOfMemory();
    result.count = static_cast<int>(end - digits);
    std::memcpy(result.digits, digits, static_cast<size_t>(result.count));
    __freedtoa(digits);
    if (result.count == 0) {  // zero comes out as "0" already; kept for safety
        result.digits[0] = '0';
        result.count = 1;
        result.point = 1;
    }
    result.negative = negative != 0;
    return result;
}

#else

// Other hosts (the unit tests): the C library's "%.*e" rounds correctly on them.
DecimalDigits decimalDigits(double value, int precision)
{
    char text[40];
    std::snprintf(text, sizeof text, "%+.*e", precision - 1, value);
    DecimalDigits result{};
    result.negative = text[0] == '-';
    const char* p = text + 1;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            result.digits[result.count++] = *p;
    }
    result.point = std::atoi(p + 1) + 1;
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    if (result.count == 1 && result.digits[0] == '0')
        result.point = 1;
    result.digits[result.count] = '\0';
    return result;
}

#endif

}  // namespace shell
