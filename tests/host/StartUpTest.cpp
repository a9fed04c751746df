#include "StartUp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

struct TailCase {
    const char* name;
    const wchar_t* line;
    const wchar_t* tail;
};

constexpr TailCase kTailCases[] = {
    {"name only", L"app.exe", L""},
    {"name and arguments", L"app.exe one two", L"one two"},
    {"quoted name with spaces", L"\"C:\\Program Files\\app.exe\" /x \"y z\"", L"/x \"y z\""},
    {"quoted name directly followed by text", L"\"a b\"c", L"c"},
    {"unterminated quote runs to the end", L"\"a b c", L""},
    {"empty quoted name", L"\"\" arg", L"arg"},
    {"quote inside an unquoted name", L"a\"b c\" d", L"c\" d"},
    {"blanks, tabs and control characters", L"app \t\x01\x1f\r\n \x20" L"arg", L"arg"},
    {"only the blanks before the tail go", L"app\t\targ  tail \t", L"arg  tail \t"},
    {"code 33 belongs to the name", L"app!x y", L"y"},
    {"no-break space belongs to the name", L"a\u00A0b c", L"c"},
    {"no-break space after the name is kept", L"app \u00A0x", L"\u00A0x"},
    {"empty line", L"", L""},
    {"line starting with blanks", L"  \targ more", L"arg more"},
    {"Cyrillic name", L"\u043F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u0430.exe \u0444\u0430\u0439\u043B",
     L"\u0444\u0430\u0439\u043B"},
    {"quoted Cyrillic name", L"\"\u043C\u043E\u044F \u043F\u0440\u043E\u0433\u0430\"  -v", L"-v"},
};

TEST(CommandTail, SkipsProgramNameAndFollowingBlanks)
{
    for (const TailCase& c : kTailCases) {
        SCOPED_TRACE(c.name);
        const wchar_t* tail = shell::commandTail(c.line);
        ASSERT_NE(tail, nullptr);
        // The caller keeps the pointer, so it must point into the original line.
        EXPECT_GE(tail, c.line);
        EXPECT_LE(tail, c.line + std::wcslen(c.line));
        EXPECT_EQ(std::wstring_view(tail), std::wstring_view(c.tail));
    }
}

TEST(CommandTail, NullLineGivesNull)
{
    EXPECT_EQ(shell::commandTail(static_cast<const wchar_t*>(nullptr)), nullptr);
}

// Narrow lines hold UTF-8, whose bytes above 127 are negative in a signed char:
// they are part of the name, not blanks.
TEST(CommandTail, NarrowBytesAbove127BelongToTheName)
{
    const char* line = "\xD0\xBF\xD1\x80\xD0\xBE\xD0\xB3 \xD0\xB0\xD1\x80\xD0\xB3";
    EXPECT_STREQ(shell::commandTail(line), "\xD0\xB0\xD1\x80\xD0\xB3");
    EXPECT_STREQ(shell::commandTail("\"a b\"\t c"), "c");
}

TEST(ShowCommand, StartupValueWhenFlaggedElseShowDefault)
{
    struct Case {
        bool hasShowWindow;
        unsigned short showWindow;
        int expected;
    };
    const Case cases[] = {
        {true, 0, 0},          // SW_HIDE is a real request, not "none"
        {true, 3, 3},
        {true, 7, 7},
        {true, 65535, 65535},  // widened, not sign-extended
        {false, 0, 10},
        {false, 3, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flag=" << c.hasShowWindow << " value=" << c.showWindow);
        EXPECT_EQ(shell::showCommand(c.hasShowWindow, c.showWindow), c.expected);
    }
    EXPECT_EQ(shell::kDefaultShowCommand, 10);
}

}  // namespace
