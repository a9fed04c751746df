#include "NumberText.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using shell::formatNumber;
using shell::parseNumber;
using testtext::bitsOf;
using testtext::printable;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMin = std::numeric_limits<double>::denorm_min();  // 5e-324
constexpr double kMax = std::numeric_limits<double>::max();         // 1.7976931348623157e308

// Equal as the user would see it: any NaN equals any NaN, and -0 differs from 0.
testing::AssertionResult sameNumber(double actual, double expected)
{
    if (std::isnan(expected) ? std::isnan(actual)
                             : actual == expected && std::signbit(actual) == std::signbit(expected))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual << " (bits 0x" << std::hex << bitsOf(actual)
                                       << "), expected " << expected;
}

struct ParseCase {
    std::wstring_view text;
    std::optional<double> value;  // nullopt: unreadable
};

TEST(ParseNumber, ReadsDecimalsInfinitiesAndNaNOnly)
{
    using namespace std::string_view_literals;
    const ParseCase cases[] = {
        {L"0", 0.0},
        {L"-0", -0.0},
        {L"5e-324", kMin},
        {L"1.7976931348623157e308", kMax},
        {L"0.1", 0.1},
        {L"100", 100.0},
        {L"+5", 5.0},
        {L".5", 0.5},
        {L"5.", 5.0},
        {L"-2.5E+3", -2500.0},
        {L"  5 ", 5.0},
        {L"\t5\r\n", 5.0},
        {L"1e999", kInf},
        {L"-1e999", -kInf},
        {L"1e-999", 0.0},
        {L"inf", kInf},
        {L"-inf", -kInf},
        {L"INF", kInf},
        {L"Infinity", kInf},
        {L"nan", kNaN},
        {L"NaN", kNaN},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"5x", std::nullopt},
        {L"5 5", std::nullopt},
        {L"1e", std::nullopt},
        {L"1e5e", std::nullopt},
        {L".", std::nullopt},
        {L"-", std::nullopt},
        {L"--5", std::nullopt},
        {L"e5", std::nullopt},
        {L"infinit", std::nullopt},
        {L"0x10", std::nullopt},
        {L"nan(1)", std::nullopt},
        {L"1,5", std::nullopt},
        {L"5\0"sv, std::nullopt},                                   // text after a NUL still counts
        {L"\u0447\u0438\u0441\u043B\u043E", std::nullopt},          // Cyrillic word
        {L"\u0435", std::nullopt},                                  // Cyrillic letter that looks like 'e'
        {L"\uFF11\uFF12", std::nullopt},                            // full-width digits
        {L"1\u0135", std::nullopt},                                 // low byte is '5'
        {L"\u0169nf", std::nullopt},                                // low byte is 'i'
        {L"5\u00A0", std::nullopt},                                 // no-break space is not a blank
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE("text \"" + printable(c.text) + "\"");
        const std::optional<double> parsed = parseNumber(c.text);
        ASSERT_EQ(parsed.has_value(), c.value.has_value());
        if (parsed) {
            EXPECT_TRUE(sameNumber(*parsed, *c.value));
        }
    }
}

TEST(ParseNumber, VeryLongTexts)
{
    const std::optional<double> digits = parseNumber(std::wstring(100000, L'9'));
    ASSERT_TRUE(digits.has_value());
    EXPECT_GE(*digits, kMax);  // far beyond the range: inf, or at least the largest finite value

    EXPECT_FALSE(parseNumber(std::wstring(100000, L'a')).has_value());
}

struct FormatCase {
    const char* name;
    double value;
    const wchar_t* text;  // nullptr: any text that reads back
};

TEST(FormatNumber, ShortestTextThatReadsBack)
{
    const FormatCase cases[] = {
        {"zero", 0.0, L"0"},
        {"negative zero", -0.0, L"-0"},
        {"hundred", 100.0, L"100"},
        {"one tenth", 0.1, L"0.1"},
        {"one third", 1 / 3., L"0.3333333333333333"},
        {"1/e", std::exp(-1.0), nullptr},
        {"smallest subnormal", kMin, nullptr},
        {"largest finite", kMax, nullptr},
        {"lowest finite", -kMax, nullptr},
        {"infinity", kInf, L"inf"},
        {"negative infinity", -kInf, L"-inf"},
        {"NaN", kNaN, L"nan"},
        {"NaN with sign bit", std::copysign(kNaN, -1.0), L"nan"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring text(formatNumber(c.value).view());
        SCOPED_TRACE("text \"" + printable(text) + "\"");
        if (c.text != nullptr) {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_LE(text.size(), 24u);
        const std::optional<double> back = parseNumber(text);
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(sameNumber(*back, c.value));
    }
}

TEST(FormatNumber, RandomBitPatternsReadBackExactly)
{
    std::mt19937_64 random(20240611);
    int checked = 0;
    while (checked < 5000) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isnan(value))
            continue;
        ++checked;
        const std::wstring text(formatNumber(value).view());
        const std::optional<double> back = parseNumber(text);
        ASSERT_TRUE(back.has_value()) << "bits 0x" << std::hex << bits << " text \"" << printable(text) << '"';
        ASSERT_EQ(bitsOf(*back), bits) << "text \"" << printable(text) << '"';
        ASSERT_LE(text.size(), 24u) << "bits 0x" << std::hex << bits << " text \"" << printable(text) << '"';
    }
}

// What the number text has always been: the first of printf's "%.15g", "%.16g" and "%.17g"
// that reads back. formatNumber writes exactly that, without printf.
std::wstring printfShortestG(double value)
{
    char text[40];
    for (int precision = 15; precision <= 17; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return std::wstring(text, text + std::strlen(text));
}

TEST(FormatNumber, WritesWhatPrintfsGFormWrites)
{
    std::mt19937_64 random(20261210);
    std::vector<double> values = {0.0, -0.0, 1e-5, 1e-4, 1.5e-7, 0.0001234, 1e15, 1e16, 1e17, 123456789012345678.0,
                                  1e100, 1e-100, 1e300, kMin, kMax, -kMax, 0.1, 1 / 3., 100.0, 2.5, 1e22, 9.5e-5};
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        values.push_back(std::ldexp(static_cast<double>(bits >> 11), static_cast<int>(bits % 120) - 60));  // near 1
    }
    for (double value : values) {
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(printfShortestG(value), std::wstring(formatNumber(value).view()))
            << "bits 0x" << std::hex << bitsOf(value);
    }
}

TEST(DecimalSeparator, TheLocalesWhereItCannotBeMistakenForPartOfANumber)
{
    const struct {
        std::wstring_view locale;
        wchar_t used;
    } cases[] = {
        {L",", L','}, {L".", L'.'}, {L"'", L'\''}, {L"\u066B", L'\u066B'},   // Arabic decimal separator
        {L"", L'.'},  {L",,", L'.'}, {L"5", L'.'},  {L"-", L'.'},  {L"+", L'.'},  {L"e", L'.'},
        {L"N", L'.'}, {L" ", L'.'},  {L"\t", L'.'}, {L"\x01", L'.'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.used, shell::decimalSeparator(c.locale)) << "locale separator \"" << printable(c.locale) << '"';
}

TEST(NumberTextSeparator, WritesTheSeparatorAndReadsItAndThePoint)
{
    const struct {
        double value;
        const wchar_t* withComma;
    } written[] = {
        {0.5, L"0,5"}, {100.0, L"100"}, {-2.25, L"-2,25"}, {1e-5, L"1e-05"}, {1.5e300, L"1,5e+300"},
        {kInf, L"inf"}, {kNaN, L"nan"},
    };
    for (const auto& c : written)
        EXPECT_EQ(c.withComma, std::wstring(formatNumber(c.value, L',').view()));

    const struct {
        wchar_t separator;
        std::wstring_view text;
        std::optional<double> value;  // nullopt: unreadable
    } read[] = {
        {L',', L"0,5", 0.5},           {L',', L"0.5", 0.5},           {L',', L" 0,5 ", 0.5},
        {L',', L",5", 0.5},            {L',', L"5,", 5.0},            {L',', L"1,000", 1.0},
        {L',', L"1,5e3", 1500.0},      {L',', L"-inf", -kInf},        {L',', L"1,2,3", std::nullopt},
        {L',', L"1.2,3", std::nullopt}, {L',', L",5,", std::nullopt}, {L',', L",", std::nullopt},
        {L',', L"1 000,5", std::nullopt},  // no digit grouping
        {L'.', L"1,000", std::nullopt}, {L'.', L"0,5", std::nullopt}, {L'.', L"1.2.3", std::nullopt},
        {L'.', L",5,", std::nullopt},  {L'.', L"0.5", 0.5},
    };
    for (const auto& c : read) {
        SCOPED_TRACE("separator '" + std::string(1, static_cast<char>(c.separator)) + "', text \"" +
                     printable(c.text) + "\"");
        const std::optional<double> parsed = parseNumber(c.text, c.separator);
        ASSERT_EQ(c.value.has_value(), parsed.has_value());
        if (parsed) {
            EXPECT_TRUE(sameNumber(*parsed, *c.value));
        }
    }
}

TEST(NumberTextSeparator, WhatIsWrittenWithACommaReadsBackExactly)
{
    std::mt19937_64 random(20261211);
    std::vector<double> values = {0.0, -0.0, kMin, kMax, -kMax, 0.1, 1 / 3., kInf, -kInf};
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isnan(value))
            values.push_back(value);
    }
    for (double value : values) {
        const std::wstring text(formatNumber(value, L',').view());
        ASSERT_EQ(std::wstring::npos, text.find(L'.')) << printable(text);
        const std::optional<double> back = parseNumber(text, L',');
        ASSERT_TRUE(back.has_value()) << printable(text);
        ASSERT_EQ(bitsOf(value), bitsOf(*back)) << printable(text);
    }
}

}  // namespace

