// velmora4 under Wine: the greeting dialog and the shell it carries, in process (with recorded
// platform services) and as the real program.

#include "Accessibility.h"
#include "DialogRun.h"
#include "ProgramRun.h"
#include "RecordingPlatform.h"

#include "AppObject.h"
#include "velmora4Dlg.h"

#include <gtest/gtest.h>

#include <algorithm>

extern shell::AppObject<GreetingDialog> theApp;

namespace {

constexpr int kBeepId = 1000;

class Velmora4 : public ::testing::Test {
protected:
    // Runs the main dialog as the application object does, with the script driving it.
    INT_PTR run(const std::function<void(wt::Ui&)>& script)
    {
        GreetingDialog dialog(nullptr);
        const INT_PTR result = wt::runAsMainWindow(theApp, dialog, script);
        return result;
    }

    wt::RecordingPlatform platform;
};

TEST_F(Velmora4, OpensWithFocusOnSayHelloAndBothIconsSet)
{
    run([](wt::Ui& ui) {
        EXPECT_EQ(L"velmora4", wt::text(ui.dialog()));
        EXPECT_EQ(IDOK, ui.focusId());
        const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_GETICON, ICON_BIG, 0)));
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_GETICON, ICON_SMALL, 0)));
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_QUERYDRAGICON, 0, 0)));
    });
}

TEST_F(Velmora4, SayHelloShowsOneOwnedBoxPerClickAndLeavesTheDialogAsItWas)
{
    run([&](wt::Ui& ui) {
        for (int clickCount = 1; clickCount <= 3; ++clickCount) {
            SCOPED_TRACE(clickCount);
            ui.click(IDOK);
            const HWND box = ui.waitForOtherDialog();
            ASSERT_NE(nullptr, box);
            EXPECT_EQ(L"Say Hello!", wt::messageBoxText(box));
            EXPECT_EQ(ui.dialog(), ::GetWindow(box, GW_OWNER));
            EXPECT_FALSE(::IsWindowEnabled(ui.dialog())) << "the box is modal over the dialog";
            ASSERT_TRUE(wt::dismiss(box));
            ui.sync();
            EXPECT_TRUE(ui.open());
            EXPECT_TRUE(::IsWindowEnabled(ui.dialog()));
            const auto boxes = platform.messageBoxes();
            ASSERT_EQ(static_cast<size_t>(clickCount), boxes.size());
            EXPECT_EQ(L"Say Hello!", boxes.back().text);
            EXPECT_EQ(theApp.name(), boxes.back().caption) << "a null caption shows the program's name";
            EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.back().type);
        }
        EXPECT_EQ(L"SAY HELLO!", ui.text(IDOK));
        EXPECT_EQ(L"EXIT", ui.text(IDCANCEL));
        EXPECT_EQ(L"Beep", ui.text(kBeepId));
    });
}

TEST_F(Velmora4, EnterRightAfterStartSaysHello)
{
    run([](wt::Ui& ui) {
        ui.key(VK_RETURN);
        const HWND box = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(L"Say Hello!", wt::messageBoxText(box));
        EXPECT_TRUE(wt::dismiss(box));
        EXPECT_TRUE(ui.open());
    });
}

TEST_F(Velmora4, BeepAsksForSoundType65534OncePerClick)
{
    run([&](wt::Ui& ui) {
        for (int i = 0; i < 3; ++i)
            ui.click(kBeepId);
        ui.sync();
        EXPECT_EQ((std::vector<UINT>{65534, 65534, 65534}), platform.beeps());
        EXPECT_TRUE(platform.messageBoxes().empty());
        EXPECT_TRUE(ui.open());
    });
}

TEST_F(Velmora4, ExitEscapeAndCloseBoxEndTheRunWithCancel)
{
    const std::pair<const char*, std::function<void(wt::Ui&)>> ways[] = {
        {"EXIT", [](wt::Ui& ui) { ui.click(IDCANCEL); }},
        {"Escape", [](wt::Ui& ui) { ui.key(VK_ESCAPE); }},
        {"close box", [](wt::Ui& ui) { ui.systemCommand(SC_CLOSE); }},
    };
    for (const auto& [name, action] : ways) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IDCANCEL, run([&](wt::Ui& ui) {
            action(ui);
            EXPECT_TRUE(ui.waitUntilClosed());
        }));
        EXPECT_TRUE(platform.messageBoxes().empty()) << "nothing is shown first";
    }
}

TEST_F(Velmora4, SystemMenuCarriesSeparatorAndAboutItem)
{
    run([](wt::Ui& ui) {
        const HMENU menu = ::GetSystemMenu(ui.dialog(), FALSE);
        ASSERT_NE(nullptr, menu);
        EXPECT_EQ(L"&About velmora4...", wt::menuText(menu, 0x0010));
        const auto ids = wt::menuIds(menu);
        const auto about = std::find(ids.begin(), ids.end(), 0x0010u);
        ASSERT_NE(ids.end(), about);
        ASSERT_NE(ids.begin(), about);
        const int separator = static_cast<int>(about - ids.begin()) - 1;
        EXPECT_TRUE(::GetMenuState(menu, separator, MF_BYPOSITION) & MF_SEPARATOR);
    });
}

TEST_F(Velmora4, EverySystemCommandFrom0x10To0x1FOpensTheAboutBox)
{
    run([](wt::Ui& ui) {
        for (UINT id = 0x0010; id <= 0x001F; ++id) {
            SCOPED_TRACE(id);
            ui.systemCommand(id);
            const HWND about = ui.waitForOtherDialog();
            ASSERT_NE(nullptr, about);
            EXPECT_EQ(L"About velmora4", wt::text(about));
            const auto texts = wt::childTexts(about);
            EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), L"velmora4 Version 1.0"));
            EXPECT_EQ(ui.dialog(), ::GetWindow(about, GW_OWNER));
            EXPECT_FALSE(::IsWindowEnabled(ui.dialog())) << "the main dialog takes no input meanwhile";
            wt::clickItem(about, IDOK);
            EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
            ui.sync();
            EXPECT_TRUE(::IsWindowEnabled(ui.dialog()));
        }
        ui.systemCommand(0x0020);
        ui.sync();
        EXPECT_EQ(nullptr, wt::firstDialog(wt::threadWindows(ui.uiThread()), ui.dialog()));
    });
}

TEST_F(Velmora4, HelpCommandTellsThereIsNoHelp)
{
    run([&](wt::Ui& ui) {
        ::PostMessageW(ui.dialog(), WM_COMMAND, 0xE146, 0);
        const HWND box = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(L"No help is available for this program.", wt::messageBoxText(box));
        EXPECT_TRUE(wt::dismiss(box));
        EXPECT_TRUE(ui.open());
    });
}

TEST_F(Velmora4, InitialisationRunsTheMainDialogAndReturnsFalse)
{
    bool result = true;
    wt::runDialog(
        [&] {
            result = theApp.initInstance();
            return INT_PTR{0};
        },
        [](wt::Ui& ui) {
            EXPECT_EQ(L"velmora4", wt::text(ui.dialog()));
            ui.key(VK_ESCAPE);
            EXPECT_TRUE(ui.waitUntilClosed());
        });
    EXPECT_FALSE(result);
    EXPECT_EQ(nullptr, theApp.mainWindow);
}

TEST_F(Velmora4, EveryTabStopOfBothWindowsHasItsSpokenName)
{
    run([](wt::Ui& ui) {
        wt::expectSpokenAsListed(ui.dialog(), {{IDOK, L"SAY HELLO!"}, {IDCANCEL, L"EXIT"}, {kBeepId, L"Beep"}});
        ui.systemCommand(wt::kAboutCommand);
        const HWND about = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, about);
        wt::expectSpokenAsListed(about, {{IDOK, L"OK"}});
        wt::clickItem(about, IDOK);
        EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
    });
}

// The real program: its greeting's caption, and its end.
TEST(Velmora4Program, GreetsWithItsNameAsCaption)
{
    wt::ProgramRun program(L"velmora4.exe");
    ASSERT_NE(nullptr, program.window());
    wt::clickItem(program.window(), IDOK);
    const HWND box = program.waitForOtherDialog();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"velmora4", wt::text(box));
    EXPECT_EQ(L"Say Hello!", wt::messageBoxText(box));
    EXPECT_EQ(program.window(), ::GetWindow(box, GW_OWNER));
    EXPECT_TRUE(wt::dismiss(box));
    wt::clickItem(program.window(), IDCANCEL);
    EXPECT_TRUE(program.waitForExit());
}

TEST(Velmora4Program, ExitEscapeAndCloseBoxEndTheProcess)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"EXIT", [](HWND window) { wt::clickItem(window, IDCANCEL); }},
        {"Escape", [](HWND window) { wt::key(wt::item(window, IDOK), VK_ESCAPE); }},
        {"close box", [](HWND window) { wt::systemCommand(window, SC_CLOSE); }},
    };
    for (const auto& [name, action] : ways) {
        SCOPED_TRACE(name);
        wt::ProgramRun program(L"velmora4.exe");
        ASSERT_NE(nullptr, program.window());
        action(program.window());
        EXPECT_TRUE(program.waitForExit());
        EXPECT_EQ(0u, program.exitCode());
    }
}

}  // namespace
