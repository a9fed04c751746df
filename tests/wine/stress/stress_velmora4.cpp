// velmora4 under stress: two hundred "Say Hello!" boxes and About boxes with the process's window
// and graphics object counts unchanged, and a random input storm.

#include "Stress.h"

#include "AppObject.h"
#include "velmora4Dlg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

extern shell::AppObject<GreetingDialog> theApp;

namespace {

using wt::kAboutCommand;

INT_PTR run(const stress::Script& script)
{
    return stress::runMain<GreetingDialog>(theApp, script);
}

// Opens a box `open` shows, checks it, closes it by `closeButton`, two hundred times; the counts
// afterwards are those from before.
void cycleTwoHundredTimes(const std::function<void(wt::Ui&)>& open, const std::wstring& boxText, int closeButton)
{
    run([&](wt::Ui& ui) {
        const auto cycle = [&] {
            open(ui);
            const HWND box = ui.waitForOtherDialog();
            ASSERT_NE(nullptr, box);
            if (!boxText.empty()) {
                EXPECT_EQ(boxText, wt::messageBoxText(box));
            }
            wt::clickItem(box, closeButton);
            ASSERT_TRUE(wt::waitFor([box] { return !::IsWindow(box); }));
            ui.sync();
        };
        const stress::CountsAround counts = stress::countsAround(cycle, 200);
        EXPECT_TRUE(stress::leftNothingBehind(counts));
        EXPECT_TRUE(ui.open());
    });
}

// The counts the checks above rely on see a window and a graphics object that stay behind.
TEST(GuiCounts, SeeAWindowAndAGraphicsObjectLeftBehind)
{
    const auto popup = [] {
        return ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    };
    const HWND first = popup();  // it brings Wine's own ones along, and they stay while it does
    const stress::GuiCounts before = stress::guiCounts();
    const HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    const HWND window = popup();
    const stress::GuiCounts during = stress::guiCounts();
    EXPECT_EQ(before.windows + 1, during.windows);
    EXPECT_EQ(before.graphicsObjects + 1, during.graphicsObjects);
    ::DestroyWindow(window);
    ::DeleteObject(brush);
    EXPECT_EQ(before, stress::guiCounts());
    ::DestroyWindow(first);
}

// What the rule still calls a leak, and what it leaves to Wine's caches, over 200 cycles.
TEST(GuiCounts, LeftNothingBehindAllowsWinesCachesButNotALeakPerCycle)
{
    struct Case {
        const char* what;
        size_t moreWindows, moreObjects, moreContexts;
        bool clean;
    };
    const Case cases[] = {
        {"nothing more", 0, 0, 0, true},
        {"the device context cache filled, each with its region", 0, 64, 64, true},
        {"a few cached objects", 0, 19, 0, true},
        {"one object for every ten cycles", 0, 20, 0, false},
        {"one object a cycle", 0, 200, 0, false},
        {"one device context with its region a cycle", 0, 200, 200, false},
        {"more device contexts than the cache holds", 0, 0, 65, false},
        {"one window more", 1, 0, 0, false},
    };
    const stress::GuiCounts before{0, 0, 5, 40, 3};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        stress::GuiCounts after = before;
        after.windows += c.moreWindows;
        after.graphicsObjects += c.moreObjects;
        after.deviceContexts += c.moreContexts;
        EXPECT_EQ(c.clean, static_cast<bool>(stress::leftNothingBehind({before, after, 200})));
    }
}

TEST(Velmora4Stress, TwoHundredSayHelloBoxesLeaveTheWindowAndGraphicsObjectCountsAsTheyWere)
{
    wt::RecordingPlatform platform;
    cycleTwoHundredTimes([](wt::Ui& ui) { ui.click(IDOK); }, L"Say Hello!", IDOK);
    EXPECT_EQ(210u, platform.messageBoxes().size());
}

TEST(Velmora4Stress, TwoHundredAboutBoxesLeaveTheWindowAndGraphicsObjectCountsAsTheyWere)
{
    cycleTwoHundredTimes([](wt::Ui& ui) { ui.systemCommand(kAboutCommand); }, L"", IDOK);
}

TEST(Velmora4Stress, RandomKeyAndClickStormNeitherHangsNorLeavesABoxOpen)
{
    stress::QuietPlatform platform;
    platform.showBoxes = true;
    platform.realCommands = false;
    const stress::StormResult result = stress::storm(40404, 3000, run);
    std::printf("storm: %d runs, %u boxes, %u beeps\n", result.runs, static_cast<unsigned>(platform.boxTexts().size()),
                static_cast<unsigned>(platform.beeps().size()));
    EXPECT_EQ(0, result.unresponsive);
    EXPECT_EQ(0, result.leftOpen);
    EXPECT_TRUE(platform.commands().empty());
    for (const std::wstring& text : platform.boxTexts())
        EXPECT_EQ(L"Say Hello!", text);
}

}  // namespace
