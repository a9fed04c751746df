// Which typed texts match a launch key, exactly or as a word.

#include "LaunchKeys.h"

#include <gtest/gtest.h>

namespace {

using shell::KeyMatch;

struct MatchCase {
    const wchar_t* key;
    const wchar_t* typed;
    KeyMatch how;
    bool matches;
};

TEST(LaunchKeys, MatchWholeTextExactlyOrAsAWord)
{
    const MatchCase cases[] = {
        {L"1", L"1", KeyMatch::Exact, true},
        {L"1", L" 1", KeyMatch::Exact, false},
        {L"1", L"1 ", KeyMatch::Exact, false},
        {L"1", L"12", KeyMatch::Exact, false},
        {L"1", L"", KeyMatch::Exact, false},
        {L"1", L"1 & calc", KeyMatch::Exact, false},
        {L"1", L"\uFF11", KeyMatch::Exact, false},  // full-width one
        {L"Paint", L"Paint", KeyMatch::Word, true},
        {L"Paint", L"paint", KeyMatch::Word, true},
        {L"Paint", L"PAINT", KeyMatch::Word, true},
        {L"Calculator", L"  CALCULATOR ", KeyMatch::Word, true},
        {L"Calculator", L"\tcalculator\r\n", KeyMatch::Word, true},
        {L"Paint", L"Pain", KeyMatch::Word, false},
        {L"Paint", L"Paintbrush", KeyMatch::Word, false},
        {L"Paint", L"Pa int", KeyMatch::Word, false},
        {L"Paint", L"", KeyMatch::Word, false},
        {L"Paint", L"   ", KeyMatch::Word, false},
        {L"Exit", L"\u0415xit", KeyMatch::Word, false},  // Cyrillic capital Ie that looks like E
        {L"Paint", L"Paint & calc", KeyMatch::Word, false},
        {L"Paint", L"Paint", KeyMatch::Exact, true},
        {L"Paint", L"paint", KeyMatch::Exact, false},
    };
    for (const MatchCase& c : cases) {
        EXPECT_EQ(c.matches, shell::keyMatches(c.key, c.typed, c.how)) << "case #" << (&c - cases);
    }
}

TEST(LaunchKeys, LowerCaseFoldingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(L'a', shell::asciiLower(L'A'));
    EXPECT_EQ(L'z', shell::asciiLower(L'Z'));
    EXPECT_EQ(L'@', shell::asciiLower(L'@'));  // just below 'A'
    EXPECT_EQ(L'[', shell::asciiLower(L'['));  // just above 'Z'
    EXPECT_EQ(L'\u0416', shell::asciiLower(L'\u0416'));
}

}  // namespace
