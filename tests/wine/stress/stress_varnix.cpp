// varnix under stress: a megabyte pasted into the main window's and the About window's edit box,
// hundreds of launches, the About window opened and closed two hundred times, a random input
// storm, and every character typed into the box with the launch words.

#include "VarnixUi.h"
#include "LaunchLog.h"
#include "Stress.h"
#include "Typing.h"

#include "varnix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace varnixui;
using wt::kAboutCommand;

using wt::Commands;
using wt::kCalc;
using wt::kPaint;

INT_PTR run(const stress::Script& script)
{
    return stress::runMain<TestDialog>(theApp, script);
}

HWND openAbout(const wt::Ui& ui)
{
    ui.systemCommand(kAboutCommand);
    return ui.waitForOtherDialog();
}

TEST(VarnixStress, AMegabytePastedIntoEitherWindowsBoxIsKeptWholeLaunchesNothingAndTheBoxStillWorks)
{
    const std::wstring big = stress::textOfSize(L" Paint Calculator Exit & calc | mspaint ", 1 << 20);
    wt::LaunchLog log;
    wt::RecordingPlatform platform;
    run([&](wt::Ui& ui) {
        const ULONGLONG start = ::GetTickCount64();
        ui.setText(kEdit, big);
        ui.sync();
        std::printf("pasting %u characters took %llu ms\n", static_cast<unsigned>(big.size()),
                    ::GetTickCount64() - start);
        EXPECT_TRUE(ui.text(kEdit) == big) << "the box holds " << ui.text(kEdit).size() << " characters";

        const HWND about = openAbout(ui);
        ASSERT_NE(nullptr, about);
        const HWND aboutBox = wt::item(about, kEdit);
        ::SendMessageW(aboutBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(big.c_str()));
        ui.sync();
        EXPECT_TRUE(wt::text(aboutBox) == big) << "the About box holds " << wt::text(aboutBox).size() << " characters";
        wt::clickItem(about, kExit);
        EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
        ui.sync();
        EXPECT_TRUE(ui.text(kEdit) == big);
        EXPECT_TRUE(platform.commands().empty());

        ui.click(kClear);
        ui.sync();
        EXPECT_EQ(L"", ui.text(kEdit));
        ui.setFocus(kEdit);
        ui.type(L"Calculator");
        ui.sync();
        EXPECT_EQ(L"", ui.text(kEdit));
        EXPECT_TRUE(ui.open());
    });
    EXPECT_EQ(Commands{kCalc}, platform.commands());
    EXPECT_EQ(wt::LaunchLog::linesFor({kCalc}), log.waitForLines(1));
}

TEST(VarnixStress, TwoHundredLaunchesStartTheirStubOnceEach)
{
    wt::LaunchLog log;
    wt::RecordingPlatform platform;
    Commands expected;
    run([&](wt::Ui& ui) {
        ui.setFocus(kEdit);
        for (int i = 0; i < 200; ++i) {
            ui.type(i % 2 == 0 ? L"Paint" : L"calculator");
            expected.push_back(i % 2 == 0 ? kPaint : kCalc);
            ui.sync();
            ASSERT_EQ(L"", ui.text(kEdit)) << "launch " << i;
        }
        EXPECT_TRUE(ui.open());
    });
    EXPECT_EQ(expected, platform.commands());
    EXPECT_EQ(wt::LaunchLog::linesFor(expected), log.waitForLines(expected.size()));
}

TEST(VarnixStress, TwoHundredAboutWindowsLeaveTheWindowAndGraphicsObjectCountsAsTheyWere)
{
    run([&](wt::Ui& ui) {
        const auto cycle = [&] {
            const HWND about = openAbout(ui);
            ASSERT_NE(nullptr, about);
            wt::clickItem(about, kExit);
            ASSERT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
            ui.sync();
        };
        const stress::CountsAround counts = stress::countsAround(cycle, 200);
        EXPECT_TRUE(stress::leftNothingBehind(counts));
        EXPECT_TRUE(ui.open());
    });
}

TEST(VarnixStress, RandomKeyAndClickStormRunsOnlyTheFixedCommands)
{
    stress::QuietPlatform platform;
    platform.realCommands = false;
    platform.showBoxes = true;
    const stress::StormResult result = stress::storm(50505, 3000, run, {L"Paint", L"calculator", L" PAINT ", L"Pain", L"Calc"});
    std::printf("storm: %d runs, %u commands\n", result.runs, static_cast<unsigned>(platform.commands().size()));
    EXPECT_EQ(0, result.unresponsive);
    EXPECT_EQ(0, result.leftOpen);
    for (const std::string& command : platform.commands())
        EXPECT_TRUE(command == kPaint || command == kCalc) << command;
    EXPECT_TRUE(platform.boxTexts().empty());
}

// Whenever the text without the blanks around it (space, tab, line breaks) is "Paint" or
// "Calculator" in any ASCII case, the program starts that program and the box is emptied.
std::string wordCommand(const std::wstring& text)
{
    const std::wstring blanks = L" \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos)
        return {};
    std::wstring word = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    for (wchar_t& c : word) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return word == L"paint" ? kPaint : word == L"calculator" ? kCalc : std::string();
}

TEST(VarnixTyping, EveryCharacterAloneAndBesideTheWordsStartsOnlyTheFixedCommandsWhenTheRuleSays)
{
    stress::checkTypedLaunches(run, kEdit,
                               {L"%", L"Paint%", L"%Paint", L"CALCULATOR%", L"%calculator", L"paint%Calculator"},
                               {wordCommand, L""});
}

}  // namespace
