// velmora2 under Wine: the launcher dialog in process, with stand-in paint and calculator
// programs that record each start, and the real program as its own process.

#include "Velmora2Ui.h"
#include "Accessibility.h"
#include "DialogRun.h"
#include "LaunchLog.h"
#include "ProgramRun.h"
#include "RecordingPlatform.h"

#include "AppObject.h"
#include "velmora2Dlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

extern shell::AppObject<LauncherDialog> theApp;

namespace {

using namespace velmora2ui;

using wt::Commands;
using wt::kCalc;
using wt::kPaint;

// Runs the main dialog as the application object does, with the script driving it.
INT_PTR run(const std::function<void(wt::Ui&)>& script)
{
    LauncherDialog dialog(nullptr);
    const INT_PTR result = wt::runAsMainWindow(theApp, dialog, script);
    return result;
}

// What reaches the command interpreter, and what the stand-in programs it finds are started with.
struct Launches {
    wt::LaunchLog log;
    wt::RecordingPlatform platform;

    void expectOnly(const Commands& commands) const
    {
        EXPECT_EQ(commands, platform.commands());
        EXPECT_EQ(wt::LaunchLog::linesFor(commands), log.waitForLines(commands.size()));
    }
};

bool checked(const wt::Ui& ui, int id)
{
    return ::SendMessageW(ui.item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(Velmora2, OpensWithBothBoxesTickedAndAnEmptyUsableFieldButNoAboutItemOrIcons)
{
    run([](wt::Ui& ui) {
        EXPECT_EQ(L"TEST", wt::text(ui.dialog()));
        EXPECT_TRUE(checked(ui, kVisible));
        EXPECT_TRUE(checked(ui, kEnabled));
        EXPECT_EQ(L"", ui.text(kField));
        EXPECT_TRUE(::IsWindowVisible(ui.item(kField)));
        EXPECT_TRUE(::IsWindowEnabled(ui.item(kField)));
        EXPECT_EQ(IDOK, ui.focusId());

        EXPECT_EQ(nullptr, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_GETICON, ICON_BIG, 0)));
        EXPECT_EQ(nullptr, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_GETICON, ICON_SMALL, 0)));
        const HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(icon, reinterpret_cast<HICON>(::SendMessageW(ui.dialog(), WM_QUERYDRAGICON, 0, 0)));

        const HMENU menu = ::GetSystemMenu(ui.dialog(), FALSE);
        ASSERT_NE(nullptr, menu);
        for (const UINT id : wt::menuIds(menu))
            EXPECT_FALSE(id >= 0x0010 && id <= 0x001F) << "About-range item " << id;
    });
}

TEST(Velmora2, TypingAKeyStartsItsProgramOnceAtOnceAndLeavesOneSpace)
{
    const std::pair<const wchar_t*, std::string> cases[] = {{L"1", kPaint}, {L"2", kCalc}};
    for (const auto& [key, command] : cases) {
        SCOPED_TRACE(command);
        Launches launches;
        run([&](wt::Ui& ui) {
            ui.setFocus(kField);
            ui.type(key);
            ui.sync();  // the launch blocks the dialog, so it is over by now
            launches.expectOnly({command});
            EXPECT_EQ(L" ", ui.text(kField));
            EXPECT_TRUE(ui.open());
        });
    }
}

// Pasted whole, none of these is a key. Typed key by key into the empty field, a text that starts
// with a key launches at that key; the next keys stand beside the space the launch leaves.
TEST(Velmora2, OnlyAWholeKeyLaunchesWhetherPastedOrTyped)
{
    struct Case {
        const wchar_t* text;
        Commands typedLaunches;
        const wchar_t* typedResult;
    };
    const Case cases[] = {
        {L"3", {}, L"3"},
        {L" 1", {}, L" 1"},
        {L"1 ", {kPaint}, L"  "},
        {L"12", {kPaint}, L"2 "},  // "1" then "2": the calculator is not started
        {L"21", {kCalc}, L"1 "},
        {L"", {}, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
        {
            SCOPED_TRACE("pasted");
            Launches launches;
            run([&](wt::Ui& ui) {
                ui.setText(kField, c.text);
                ui.sync();
                launches.expectOnly({});
                EXPECT_EQ(c.text, ui.text(kField));
            });
        }
        {
            SCOPED_TRACE("typed");
            Launches launches;
            run([&](wt::Ui& ui) {
                ui.setFocus(kField);
                ui.type(c.text);
                ui.sync();
                launches.expectOnly(c.typedLaunches);
                EXPECT_EQ(c.typedResult, ui.text(kField));
            });
        }
    }
}

TEST(Velmora2, PastingTwoOverTheWholeTextStartsTheCalculator)
{
    Launches launches;
    run([&](wt::Ui& ui) {
        ui.setFocus(kField);
        ui.type(L"1");
        ui.sync();
        ASSERT_EQ(L" ", ui.text(kField));
        ui.setText(kField, L"2");
        ui.sync();
        launches.expectOnly({kPaint, kCalc});
        EXPECT_EQ(L" ", ui.text(kField));
    });
}

TEST(Velmora2, ShellMetacharactersNeverReachTheInterpreter)
{
    struct Case {
        const wchar_t* text;
        Commands typedLaunches;  // the first key alone may be one
    };
    const Case cases[] = {
        {L"1 & calc", {kPaint}},
        {L"1|2", {kPaint}},
        {L"\"1\"", {}},
        {L"1 > x", {kPaint}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
        Launches launches;
        run([&](wt::Ui& ui) {
            ui.setText(kField, c.text);
            ui.sync();
            launches.expectOnly({});
            EXPECT_EQ(c.text, ui.text(kField));

            ui.setText(kField, L"");
            ui.setFocus(kField);
            ui.type(c.text);
            ui.sync();
            launches.expectOnly(c.typedLaunches);
        });
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(L"x")) << "nothing was redirected";
    }
}

// Counts the change notifications the field sends the dialog, on the dialog's own thread.
std::atomic<int> changeNotifications{0};

LRESULT CALLBACK countChanges(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_COMMAND && HIWORD(call->wParam) == EN_CHANGE
        && LOWORD(call->wParam) == kField)
        ++changeNotifications;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Velmora2, TheHandlersOwnWritesRaiseChangeNotificationsButLaunchNothing)
{
    Launches launches;
    run([&](wt::Ui& ui) {
        const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, countChanges, nullptr, ui.uiThread());
        ASSERT_NE(nullptr, hook);
        // Each write is the handler's own, except the typed key before a launch.
        const struct {
            const char* name;
            std::function<void()> action;
            int notifications;
        } writes[] = {
            {"clear", [&] { ui.click(IDCANCEL); }, 1},
            {"test", [&] { ui.click(IDOK); }, 1},
            {"after a launch", [&] { ui.setFocus(kField); ui.type(L"1"); }, 2},
        };
        ui.setFocus(kField);
        ui.setText(kField, L"abc");
        for (const auto& write : writes) {
            SCOPED_TRACE(write.name);
            ui.sync();
            const int before = changeNotifications;
            write.action();
            ui.sync();
            EXPECT_EQ(write.notifications, changeNotifications - before);
        }
        ::UnhookWindowsHookEx(hook);
        EXPECT_EQ(L" ", ui.text(kField));
        launches.expectOnly({kPaint});
    });
}

TEST(Velmora2, EnterAndAltTFillTheFieldEscapeCloseAndClearEmptyItTheWindowStaysOpen)
{
    const struct {
        const char* name;
        std::function<void(wt::Ui&)> action;
        const wchar_t* result;
    } ways[] = {
        {"click on &test", [](wt::Ui& ui) { ui.click(IDOK); }, L"dgfdg"},
        {"Alt+T", [](wt::Ui& ui) { ui.mnemonic(L't'); }, L"dgfdg"},
        {"Enter in the field", [](wt::Ui& ui) { ui.setFocus(kField); ui.key(VK_RETURN); }, L"dgfdg"},
        {"Enter on &visible", [](wt::Ui& ui) { ui.setFocus(kVisible); ui.key(VK_RETURN); }, L"dgfdg"},
        {"Enter on &enabled", [](wt::Ui& ui) { ui.setFocus(kEnabled); ui.key(VK_RETURN); }, L"dgfdg"},
        {"click on &clear", [](wt::Ui& ui) { ui.click(IDCANCEL); }, L""},
        {"Alt+C", [](wt::Ui& ui) { ui.mnemonic(L'c'); }, L""},
        {"Escape", [](wt::Ui& ui) { ui.setFocus(kField); ui.key(VK_ESCAPE); }, L""},
        {"close box and the system menu's Close", [](wt::Ui& ui) { ui.systemCommand(SC_CLOSE); }, L""},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Launches launches;
        const INT_PTR result = run([&](wt::Ui& ui) {
            ui.setText(kField, L"abc");
            way.action(ui);
            EXPECT_TRUE(wt::waitFor([&] { return ui.text(kField) == way.result; }));
            ui.sync();
            ui.sync();
            EXPECT_TRUE(ui.open());
            EXPECT_TRUE(checked(ui, kVisible));
            EXPECT_TRUE(checked(ui, kEnabled));
        });
        EXPECT_EQ(wt::kLeftOpen, result);
        launches.expectOnly({});
    }
}

TEST(Velmora2, BailOutEndsTheRunWithOk)
{
    Launches launches;
    const INT_PTR result = run([](wt::Ui& ui) {
        ui.setText(kField, L"abc");
        ui.click(kBailOut);
        EXPECT_TRUE(ui.waitUntilClosed());
    });
    EXPECT_EQ(IDOK, result);
    launches.expectOnly({});
}

TEST(Velmora2, EachBoxActsOnItsOwnPropertyAndTheButtonsStillReachAHiddenDisabledField)
{
    run([](wt::Ui& ui) {
        const HWND field = ui.item(kField);
        ui.click(kEnabled);
        ui.sync();
        EXPECT_FALSE(::IsWindowEnabled(field));
        EXPECT_TRUE(::IsWindowVisible(field));

        ui.mnemonic(L'v');
        ui.sync();
        EXPECT_FALSE(checked(ui, kVisible));
        EXPECT_FALSE(::IsWindowVisible(field));
        EXPECT_FALSE(::IsWindowEnabled(field));

        ui.click(IDOK);
        ui.sync();
        EXPECT_EQ(L"dgfdg", ui.text(kField));
        ui.click(IDCANCEL);
        ui.sync();
        EXPECT_EQ(L"", ui.text(kField));

        ui.click(kVisible);
        ui.sync();
        EXPECT_TRUE(::IsWindowVisible(field));
        EXPECT_FALSE(::IsWindowEnabled(field)) << "showing the field does not enable it";

        ui.mnemonic(L'e');
        ui.sync();
        EXPECT_TRUE(checked(ui, kEnabled));
        EXPECT_TRUE(::IsWindowEnabled(field));
        EXPECT_TRUE(::IsWindowVisible(field));
    });
}

TEST(Velmora2, WithNoPaintProgramToBeFoundNothingIsShownAndTheFieldStillBecomesOneSpace)
{
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(wt::binDirectory().c_str()));  // no mspaint.exe there
    wt::RecordingPlatform platform;
    run([&](wt::Ui& ui) {
        ui.setFocus(kField);
        ui.type(L"1");
        ui.sync();
        EXPECT_EQ((Commands{kPaint}), platform.commands());
        EXPECT_EQ(L" ", ui.text(kField));
        EXPECT_EQ(nullptr, wt::firstDialog(wt::threadWindows(ui.uiThread()), ui.dialog()));
        EXPECT_TRUE(platform.messageBoxes().empty());
    });
    ::SetCurrentDirectoryW(previous);
}

// The system names all of them: the field after the instructions before it. There is no About window.
TEST(Velmora2, EveryTabStopHasItsSpokenName)
{
    run([](wt::Ui& ui) {
        wt::expectSpokenAsListed(
            ui.dialog(), {{IDOK, L"test"},
                          {IDCANCEL, L"clear"},
                          {kField, L"Ну типа чтоб пейнт открыть введите 1, калькулятор - 2, чтоб выйти - 3"},
                          {kBailOut, L"Сваливаем!!!"},
                          {kVisible, L"visible"},
                          {kEnabled, L"enabled"}});
    });
}

// The real program: a launch through the C runtime, the ways that do not end it, and its end.
TEST(Velmora2Program, LaunchesThroughTheInterpreterAndEndsOnlyThroughBailOut)
{
    wt::LaunchLog log;
    wt::ProgramRun program(L"velmora2.exe");
    const HWND window = program.window();
    ASSERT_NE(nullptr, window);
    const HWND field = wt::item(window, kField);

    wt::type(field, L"1");
    EXPECT_EQ((std::vector<std::string>{"mspaint.exe|"}), log.waitForLines(1));
    EXPECT_TRUE(wt::waitFor([&] { return wt::text(field) == L" "; }));

    wt::key(field, VK_ESCAPE);
    EXPECT_TRUE(wt::waitFor([&] { return wt::text(field).empty(); }));
    wt::type(field, L"abc");
    wt::systemCommand(window, SC_CLOSE);
    EXPECT_TRUE(wt::waitFor([&] { return wt::text(field).empty(); }));
    EXPECT_FALSE(program.waitForExit(0));

    wt::clickItem(window, kBailOut);
    EXPECT_TRUE(program.waitForExit());
    EXPECT_EQ(0u, program.exitCode());
    EXPECT_EQ(1u, log.lines().size());
}

}  // namespace
