// velmora2 under stress: a megabyte pasted into the field, hundreds of launches, a random input
// storm, and every character typed into the field with the launch keys.

#include "Velmora2Ui.h"
#include "LaunchLog.h"
#include "Stress.h"
#include "Typing.h"

#include "AppObject.h"
#include "velmora2Dlg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

extern shell::AppObject<LauncherDialog> theApp;

namespace {

using velmora2ui::kField;

using wt::kCalc;
using wt::kPaint;
using wt::Commands;

INT_PTR run(const stress::Script& script)
{
    return stress::runMain<LauncherDialog>(theApp, script);
}

TEST(Velmora2Stress, AMegabytePastedIntoTheFieldIsKeptWholeLaunchesNothingAndTheFieldStillWorks)
{
    const std::wstring big = stress::textOfSize(L"1 2 12 & calc | mspaint.exe 2>x ", 1 << 20);
    wt::LaunchLog log;
    wt::RecordingPlatform platform;
    run([&](wt::Ui& ui) {
        const ULONGLONG start = ::GetTickCount64();
        ui.setText(kField, big);
        ui.sync();
        std::printf("pasting %u characters took %llu ms\n", static_cast<unsigned>(big.size()),
                    ::GetTickCount64() - start);
        EXPECT_TRUE(ui.text(kField) == big) << "the field holds " << ui.text(kField).size() << " characters";
        EXPECT_TRUE(platform.commands().empty());

        ui.click(IDCANCEL);
        ui.sync();
        EXPECT_EQ(L"", ui.text(kField));
        ui.setFocus(kField);
        ui.type(L"2");
        ui.sync();
        EXPECT_EQ(L" ", ui.text(kField));
    });
    EXPECT_EQ(Commands{kCalc}, platform.commands());
    EXPECT_EQ(wt::LaunchLog::linesFor({kCalc}), log.waitForLines(1));
}

TEST(Velmora2Stress, TwoHundredLaunchesStartTheirStubOnceEach)
{
    wt::LaunchLog log;
    wt::RecordingPlatform platform;
    Commands expected;
    run([&](wt::Ui& ui) {
        ui.setFocus(kField);
        for (int i = 0; i < 200; ++i) {
            ui.setText(kField, L"");
            ui.type(i % 2 == 0 ? L"1" : L"2");
            expected.push_back(i % 2 == 0 ? kPaint : kCalc);
            ui.sync();
            ASSERT_EQ(L" ", ui.text(kField)) << "launch " << i;
        }
        EXPECT_TRUE(ui.open());
    });
    EXPECT_EQ(expected, platform.commands());
    EXPECT_EQ(wt::LaunchLog::linesFor(expected), log.waitForLines(expected.size()));
}

TEST(Velmora2Stress, RandomKeyAndClickStormRunsOnlyTheFixedCommands)
{
    stress::QuietPlatform platform;
    platform.realCommands = false;
    const stress::StormResult result = stress::storm(20260, 3000, run, {L"1", L"2", L"12", L"3"});
    std::printf("storm: %d runs, %u commands\n", result.runs, static_cast<unsigned>(platform.commands().size()));
    EXPECT_EQ(0, result.unresponsive);
    EXPECT_EQ(0, result.leftOpen);
    for (const std::string& command : platform.commands())
        EXPECT_TRUE(command == kPaint || command == kCalc) << command;
    EXPECT_TRUE(platform.boxTexts().empty());
}

// Whenever the whole text is "1" or "2" the program starts paint or the calculator, and the field
// then holds one space with the caret before it.
TEST(Velmora2Typing, EveryCharacterAloneAndBesideTheKeysStartsOnlyTheFixedCommandsWhenTheRuleSays)
{
    const stress::LaunchRule keys{
        [](const std::wstring& text) { return text == L"1" ? kPaint : text == L"2" ? kCalc : std::string(); }, L" "};
    stress::checkTypedLaunches(run, kField, {L"%", L"1%", L"%1", L"2%", L"%2", L"1%2"}, keys);
}

}  // namespace
