// varnix under Wine: the main window's words and controls, the About box
// built from the main template, in process (with recorded commands and the launch stubs) and as
// the real program.

#include "VarnixUi.h"
#include "Accessibility.h"
#include "DialogRun.h"
#include "LaunchLog.h"
#include "ProgramRun.h"
#include "RecordingPlatform.h"

#include "varnix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <tuple>

namespace {

using namespace varnixui;
using wt::kAboutCommand;

const std::wstring kInstructions =
    L"INSTRUCTIONS: To execute the Paint program: type Paint in the edit box. To execute the Calculator "
    L"program, type Calculator in the edit box. To terminate the program, type Exit in the edit box.";

// The child texts of a window built from the main template, in template order.
const std::vector<std::wstring> kMainTexts = {L"test", L"E&xit", L"&Test", L"&Clear", L"", kInstructions,
                                              L"&Visible", L"&Enabled"};

bool checked(HWND box)
{
    return ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// What a user sees of the main template's edit box and check boxes in a window.
struct BoxState {
    std::wstring text;
    bool visibleTicked;
    bool enabledTicked;
    bool shown;
    bool enabled;

    bool operator==(const BoxState& o) const
    {
        return text == o.text && visibleTicked == o.visibleTicked && enabledTicked == o.enabledTicked
               && shown == o.shown && enabled == o.enabled;
    }
};

std::ostream& operator<<(std::ostream& out, const BoxState& s)
{
    return out << "text \"" << std::string(s.text.begin(), s.text.end()) << "\", ticks " << s.visibleTicked
               << s.enabledTicked << ", shown " << s.shown << ", enabled " << s.enabled;
}

BoxState boxState(HWND window)
{
    const HWND box = wt::item(window, kEdit);
    return {wt::text(box), checked(wt::item(window, kVisible)), checked(wt::item(window, kEnabled)),
            (::GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) != 0, ::IsWindowEnabled(box) != FALSE};
}

const BoxState kFreshMain{L"", true, true, true, true};
const BoxState kFreshAbout{L"", false, false, true, true};

// ---- In process ----

class Varnix : public ::testing::Test {
protected:
    // Runs the main dialog as the application object does, with the script driving it.
    INT_PTR run(const std::function<void(wt::Ui&)>& script)
    {
        TestDialog dialog(nullptr);
        const INT_PTR result = wt::runAsMainWindow(theApp, dialog, script);
        return result;
    }

    // Opens the About window over the main window and waits for it.
    static HWND openAbout(const wt::Ui& ui)
    {
        ui.systemCommand(kAboutCommand);
        return ui.waitForOtherDialog();
    }

    wt::LaunchLog log;
    wt::RecordingPlatform platform;
};

TEST_F(Varnix, OpensWithFocusOnExitAndTheBoxShownEnabledAndTicked)
{
    run([](wt::Ui& ui) {
        EXPECT_EQ(L"The Test Program", wt::text(ui.dialog()));
        EXPECT_EQ(kMainTexts, wt::childTexts(ui.dialog()));
        EXPECT_EQ(kExit, ui.focusId());
        EXPECT_EQ(kFreshMain, boxState(ui.dialog()));
        EXPECT_EQ(L"&About varnix...", wt::menuText(::GetSystemMenu(ui.dialog(), FALSE), kAboutCommand));
    });
}

TEST_F(Varnix, TypedWordsLaunchEndOrStay)
{
    struct Case {
        const wchar_t* typed;  // key by key into the box
        std::vector<std::string> commands;
        const wchar_t* textAfter;  // null: the program has ended
    };
    const Case cases[] = {
        {L"Paint", {"mspaint.exe"}, L""},
        {L"paint", {"mspaint.exe"}, L""},
        {L"  CALCULATOR ", {"calc.exe"}, L" "},  // launched before the last blank
        {L"Exit", {}, nullptr},
        {L"Paintbrush", {"mspaint.exe"}, L"brush"},
        {L"Pain", {}, L"Pain"},
        {L"PaintPaint", {"mspaint.exe", "mspaint.exe"}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed, c.typed + wcslen(c.typed)));
        const size_t commandsBefore = platform.commands().size();
        const size_t launchesBefore = log.lines().size();
        const INT_PTR result = run([&](wt::Ui& ui) {
            ui.setFocus(kEdit);
            ui.type(c.typed);
            ui.sync();
            if (c.textAfter == nullptr) {
                EXPECT_TRUE(ui.waitUntilClosed());
                return;
            }
            EXPECT_TRUE(ui.open());
            EXPECT_EQ(c.textAfter, ui.text(kEdit));
            // The launch has finished by now: the command interpreter blocks the dialog.
            const auto lines = log.waitForLines(launchesBefore + c.commands.size());
            EXPECT_EQ(wt::LaunchLog::linesFor(c.commands),
                      std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(launchesBefore), lines.end()));
        });
        EXPECT_EQ(c.textAfter == nullptr ? IDOK : wt::kLeftOpen, result);
        const auto commands = platform.commands();
        EXPECT_EQ(c.commands, std::vector<std::string>(commands.begin() + commandsBefore, commands.end()));
    }
}

TEST_F(Varnix, TextsThatAreNotOneWordLaunchNothingAndStay)
{
    run([&](wt::Ui& ui) {
        ui.setFocus(kEdit);
        ui.type(L"1 & calc");
        ui.sync();
        EXPECT_EQ(L"1 & calc", ui.text(kEdit));
        for (const wchar_t* pasted : {L"Paint & calc", L"Paint && Exit", L"calc.exe", L"mspaint.exe", L"\"Paint\"",
                                      L"Pa int", L"Calculator|calc", L"1", L"2"}) {
            ui.setText(kEdit, pasted);
            ui.sync();
            EXPECT_EQ(pasted, ui.text(kEdit));
        }
        EXPECT_TRUE(ui.open());
        EXPECT_TRUE(log.lines().empty());
    });
    EXPECT_TRUE(platform.commands().empty());
}

TEST_F(Varnix, PastedWordActsLikeATypedOne)
{
    run([&](wt::Ui& ui) {
        ui.setText(kEdit, L" Calculator");
        ui.sync();
        EXPECT_EQ(L"", ui.text(kEdit));
    });
    EXPECT_EQ((std::vector<std::string>{"calc.exe"}), platform.commands());
}

TEST_F(Varnix, TestClearVisibleAndEnabledActOnTheBox)
{
    run([&](wt::Ui& ui) {
        const HWND window = ui.dialog();
        ui.setFocus(kEdit);
        ui.type(L"Pain");
        ui.click(kTest);
        ui.sync();
        EXPECT_EQ((BoxState{L"dgfdg", true, true, true, true}), boxState(window));
        ui.click(kClear);
        ui.sync();
        EXPECT_EQ(kFreshMain, boxState(window));

        ui.click(kTest);
        ui.click(kVisible);
        ui.sync();
        EXPECT_EQ((BoxState{L"dgfdg", false, true, false, true}), boxState(window));
        ui.click(kEnabled);
        ui.sync();
        EXPECT_EQ((BoxState{L"dgfdg", false, false, false, false}), boxState(window));
        ui.click(kVisible);
        ui.sync();
        EXPECT_EQ((BoxState{L"dgfdg", true, false, true, false}), boxState(window));
        ui.click(kEnabled);
        ui.sync();
        EXPECT_EQ((BoxState{L"dgfdg", true, true, true, true}), boxState(window));
        EXPECT_TRUE(ui.open());
    });
    EXPECT_TRUE(platform.commands().empty()) << "\"&Test\" launches nothing";
}

TEST_F(Varnix, ExitEnterEscapeAndCloseBoxEndTheRun)
{
    const std::tuple<const char*, INT_PTR, std::function<void(wt::Ui&)>> ways[] = {
        {"E&xit clicked", IDOK, [](wt::Ui& ui) { ui.click(kExit); }},
        {"Enter right after start", IDOK, [](wt::Ui& ui) { ui.key(VK_RETURN); }},
        {"Alt+X", IDOK, [](wt::Ui& ui) { ui.mnemonic(L'x'); }},
        {"Enter in the box", IDOK,
         [](wt::Ui& ui) {
             ui.setFocus(kEdit);
             ui.key(VK_RETURN);
         }},
        {"Enter on a check box", IDOK,
         [](wt::Ui& ui) {
             ui.setFocus(kEnabled);
             ui.key(VK_RETURN);
         }},
        {"Escape", IDCANCEL, [](wt::Ui& ui) { ui.key(VK_ESCAPE); }},
        {"close box", IDCANCEL, [](wt::Ui& ui) { ui.systemCommand(SC_CLOSE); }},
    };
    for (const auto& [name, code, action] : ways) {
        SCOPED_TRACE(name);
        EXPECT_EQ(code, run([&](wt::Ui& ui) {
            action(ui);
            EXPECT_TRUE(ui.waitUntilClosed());
        }));
    }
    EXPECT_TRUE(platform.commands().empty());
}

TEST_F(Varnix, AboutWindowIsAFreshInertCopyOfTheMainWindow)
{
    run([&](wt::Ui& ui) {
        const HWND main = ui.dialog();
        ui.setFocus(kEdit);
        ui.type(L"Pain");
        ui.click(kEnabled);
        ui.sync();
        const BoxState mainBefore{L"Pain", true, false, true, false};
        ASSERT_EQ(mainBefore, boxState(main));

        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(opening);
            const HWND about = openAbout(ui);
            ASSERT_NE(nullptr, about);
            EXPECT_EQ(L"The Test Program", wt::text(about));
            EXPECT_EQ(kMainTexts, wt::childTexts(about));
            EXPECT_EQ(kFreshAbout, boxState(about)) << "it starts from the template";
            EXPECT_EQ(main, ::GetWindow(about, GW_OWNER));
            EXPECT_FALSE(::IsWindowEnabled(main)) << "the main window takes no input meanwhile";
            const auto menuIds = wt::menuIds(::GetSystemMenu(about, FALSE));
            EXPECT_EQ(menuIds.end(), std::find(menuIds.begin(), menuIds.end(), kAboutCommand));

            // Only "E&xit" acts here: the words, "&Test", "&Clear" and the check boxes do nothing.
            const HWND box = wt::item(about, kEdit);
            ::PostMessageW(about, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
            ui.sync();
            ui.type(L"Exit");
            ui.sync();
            ASSERT_TRUE(::IsWindow(about));
            ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
            ui.type(L"Paint");
            for (int id : {kTest, kClear, kVisible, kEnabled})
                wt::clickItem(about, id);
            ui.sync();
            EXPECT_EQ((BoxState{L"Paint", true, true, true, true}), boxState(about));

            wt::clickItem(about, kExit);
            EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
            ui.sync();
            EXPECT_TRUE(ui.open());
            EXPECT_TRUE(::IsWindowEnabled(main));
            EXPECT_EQ(mainBefore, boxState(main));
        }
        EXPECT_TRUE(log.lines().empty());
    });
    EXPECT_TRUE(platform.commands().empty());
}

// Both windows of the main template: the box is named after the words it takes and described by
// the instructions above it.
TEST_F(Varnix, EveryTabStopOfBothWindowsHasItsSpokenName)
{
    const std::vector<wt::SpokenControl> spoken = {
        {kExit, L"Exit"},
        {kTest, L"Test"},
        {kClear, L"Clear"},
        {kEdit, L"Paint, Calculator or Exit", kInstructions},
        {kVisible, L"Visible"},
        {kEnabled, L"Enabled"},
    };
    run([&](wt::Ui& ui) {
        wt::expectSpokenAsListed(ui.dialog(), spoken);
        const HWND about = openAbout(ui);
        ASSERT_NE(nullptr, about);
        wt::expectSpokenAsListed(about, spoken);
        wt::clickItem(about, kExit);
        EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
    });
}

TEST_F(Varnix, AboutWindowClosesByExitEnterEscapeAndCloseBoxAndTheMainWindowStays)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"E&xit clicked", [](HWND about) { wt::clickItem(about, kExit); }},
        {"Enter on E&xit", [](HWND about) { wt::key(wt::item(about, kExit), VK_RETURN); }},
        {"Escape", [](HWND about) { wt::key(wt::item(about, kExit), VK_ESCAPE); }},
        {"close box", [](HWND about) { wt::systemCommand(about, SC_CLOSE); }},
    };
    run([&](wt::Ui& ui) {
        for (const auto& [name, action] : ways) {
            SCOPED_TRACE(name);
            const HWND about = openAbout(ui);
            ASSERT_NE(nullptr, about);
            action(about);
            EXPECT_TRUE(wt::waitFor([about] { return !::IsWindow(about); }));
            ui.sync();
            EXPECT_TRUE(ui.open());
            EXPECT_TRUE(::IsWindowEnabled(ui.dialog()));
            EXPECT_EQ(kFreshMain, boxState(ui.dialog()));
        }
    });
}

// The About box's own end codes, run on its own.
TEST_F(Varnix, AboutBoxEndsWithOkThroughExitAndEnterAndWithCancelOtherwise)
{
    const std::tuple<const char*, INT_PTR, std::function<void(wt::Ui&)>> ways[] = {
        {"E&xit clicked", IDOK, [](wt::Ui& ui) { ui.click(kExit); }},
        {"Enter on E&xit", IDOK, [](wt::Ui& ui) { ui.key(VK_RETURN); }},
        {"Enter in the box", IDOK,
         [](wt::Ui& ui) {
             ui.setFocus(kEdit);
             ui.key(VK_RETURN);
         }},
        {"Enter on a check box", IDOK,
         [](wt::Ui& ui) {
             ui.setFocus(kVisible);
             ui.key(VK_RETURN);
         }},
        {"Escape", IDCANCEL, [](wt::Ui& ui) { ui.key(VK_ESCAPE); }},
        {"close box", IDCANCEL, [](wt::Ui& ui) { ui.systemCommand(SC_CLOSE); }},
    };
    for (const auto& [name, code, action] : ways) {
        SCOPED_TRACE(name);
        AboutBox about;
        EXPECT_EQ(code, wt::runDialog([&] { return about.doModal(); }, [&](wt::Ui& ui) {
            EXPECT_EQ(kExit, ui.focusId());
            action(ui);
            EXPECT_TRUE(ui.waitUntilClosed());
        }));
    }
}

// ---- The real program ----

TEST(VarnixProgram, ExitEscapeCloseBoxEnterAndTheWordExitEndTheProcess)
{
    auto focusEdit = [](HWND window) {
        ::PostMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(wt::item(window, kEdit)), TRUE);
    };
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"E&xit", [](HWND window) { wt::clickItem(window, kExit); }},
        {"Escape", [](HWND window) { wt::key(wt::item(window, kExit), VK_ESCAPE); }},
        {"close box", [](HWND window) { wt::systemCommand(window, SC_CLOSE); }},
        {"Enter in the box",
         [&](HWND window) {
             focusEdit(window);
             wt::key(wt::item(window, kEdit), VK_RETURN);
         }},
        {"typing Exit", [&](HWND window) { wt::type(wt::item(window, kEdit), L"exit"); }},
    };
    for (const auto& [name, action] : ways) {
        SCOPED_TRACE(name);
        wt::ProgramRun program(L"varnix.exe");
        ASSERT_NE(nullptr, program.window());
        action(program.window());
        EXPECT_TRUE(program.waitForExit());
        EXPECT_EQ(0u, program.exitCode());
    }
}

}  // namespace
