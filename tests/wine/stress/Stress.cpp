#include "Stress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace stress {

int QuietPlatform::messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        texts_.emplace_back(text != nullptr ? text : L"<null>");
    }
    // NOLINTNEXTLINE(bugprone-parent-virtual-call): shows the real box without a second record
    return showBoxes ? shell::PlatformServices::messageBox(owner, text, caption, type) : IDOK;
}

int QuietPlatform::messageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        texts_.emplace_back(text != nullptr ? std::wstring(text, text + std::strlen(text)) : L"<null>");
    }
    // NOLINTNEXTLINE(bugprone-parent-virtual-call): shows the real box without a second record
    return showBoxes ? shell::PlatformServices::messageBoxA(owner, text, caption, type) : IDOK;
}

std::vector<std::wstring> QuietPlatform::boxTexts() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

std::ostream& operator<<(std::ostream& out, const GuiCounts& c)
{
    return out << "USER " << c.userObjects << ", GDI " << c.gdiObjects << ", windows " << c.windows
               << ", graphics objects " << c.graphicsObjects << ", device contexts " << c.deviceContexts;
}

namespace {

BOOL CALLBACK countChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<size_t*>(count);
    return TRUE;
}

BOOL CALLBACK countOwnWindow(HWND window, LPARAM count)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<size_t*>(count);
        ::EnumChildWindows(window, countChild, count);
    }
    return TRUE;
}

}  // namespace

GuiCounts guiCounts()
{
    GuiCounts counts{};
    counts.userObjects = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    counts.gdiObjects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    ::EnumWindows(countOwnWindow, reinterpret_cast<LPARAM>(&counts.windows));
    // Wine's graphics handles are indexes into the process's table; a bare index names the entry.
    for (uintptr_t index = 1; index <= 0xFFFF; ++index) {
        const DWORD type = ::GetObjectType(reinterpret_cast<HGDIOBJ>(index));
        if (type == OBJ_DC)
            ++counts.deviceContexts;
        else if (type != 0)
            ++counts.graphicsObjects;
    }
    return counts;
}

CountsAround countsAround(const std::function<void()>& cycle, int times)
{
    for (int i = 0; i < 10 && !testing::Test::HasFatalFailure(); ++i)
        cycle();
    CountsAround counts{guiCounts(), {}, times};
    for (int i = 0; i < times && !testing::Test::HasFatalFailure(); ++i)
        cycle();
    counts.after = guiCounts();
    return counts;
}

testing::AssertionResult leftNothingBehind(const CountsAround& counts)
{
    const GuiCounts& b = counts.before;
    const GuiCounts& a = counts.after;
    const auto grown = [](size_t before, size_t after) { return after > before ? after - before : 0; };
    const size_t newContexts = grown(b.deviceContexts, a.deviceContexts);
    const size_t otherGrowth = grown(b.graphicsObjects, a.graphicsObjects);
    const size_t regionsOfNewContexts = std::min(otherGrowth, newContexts);
    if (a.userObjects == b.userObjects && a.gdiObjects == b.gdiObjects && a.windows == b.windows
        && newContexts <= kDeviceContextCache
        && (otherGrowth - regionsOfNewContexts) * 10 < static_cast<size_t>(counts.cycles))
        return testing::AssertionSuccess() << a;
    return testing::AssertionFailure() << "before " << b << "; after " << counts.cycles << " cycles " << a;
}

std::wstring textOfSize(const std::wstring& pattern, size_t bytes)
{
    std::wstring text;
    const size_t characters = bytes / sizeof(wchar_t);
    text.reserve(characters);
    while (text.size() < characters)
        text.append(pattern, 0, std::min(pattern.size(), characters - text.size()));
    return text;
}

std::vector<HWND> otherDialogs(const wt::Ui& ui)
{
    std::vector<HWND> others;
    for (HWND window : wt::threadWindows(ui.uiThread())) {
        if (window != ui.dialog() && wt::className(window) == L"#32770")
            others.push_back(window);
    }
    return others;
}

bool closeOtherDialogs(const wt::Ui& ui)
{
    for (int round = 0; round < 20; ++round) {
        const std::vector<HWND> others = otherDialogs(ui);
        if (others.empty())
            return true;
        for (HWND box : others)
            ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        wt::waitFor([&] {
            for (HWND box : others) {
                if (::IsWindow(box) && ::IsWindowVisible(box))
                    return false;
            }
            return true;
        }, 5000);
        ui.sync();
    }
    return otherDialogs(ui).empty();
}

bool responsive(const wt::Ui& ui)
{
    DWORD_PTR answer = 0;
    HWND window = ui.open() ? ui.dialog() : ::GetDesktopWindow();
    // A window the storm has just ended fails the call at once; a hung one still exists.
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &answer) != 0 || !::IsWindow(window);
}

namespace {

HWND topDialog(const wt::Ui& ui)
{
    const HWND top = wt::firstDialog(wt::threadWindows(ui.uiThread()));
    return top != nullptr ? top : ui.dialog();
}

std::vector<HWND> buttonsOf(HWND dialog)
{
    std::vector<HWND> buttons;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (wt::className(child) == L"Button" && ::IsWindowVisible(child) && ::IsWindowEnabled(child))
            buttons.push_back(child);
    }
    return buttons;
}

constexpr UINT kKeys[] = {VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE, VK_BACK, VK_DELETE,
                          VK_LEFT, VK_RIGHT,  VK_UP,     VK_DOWN,  VK_HOME, VK_END};

void playOne(std::mt19937& random, const wt::Ui& ui, const std::vector<std::wstring>& words)
{
    const HWND top = topDialog(ui);
    HWND focus = ui.focus();
    if (focus == nullptr)
        focus = top;
    const auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
    const size_t choice = pick(100);
    if (choice < 30 || (choice >= 88 && choice < 95 && words.empty())) {
        // Mostly printable characters, now and then a control character.
        const wchar_t c = pick(8) == 0 ? static_cast<wchar_t>(1 + pick(31)) : static_cast<wchar_t>(0x20 + pick(95));
        wt::type(focus, std::wstring(1, c));
    } else if (choice < 50) {
        wt::key(focus, kKeys[pick(std::size(kKeys))]);
    } else if (choice < 75) {
        const std::vector<HWND> buttons = buttonsOf(top);
        if (!buttons.empty())
            wt::click(buttons[pick(buttons.size())]);
    } else if (choice < 80) {
        wt::mnemonic(focus, static_cast<wchar_t>(L'a' + pick(26)));
    } else if (choice < 88) {
        // Edit boxes more often than the rest, so that typing reaches them.
        std::vector<HWND> children;
        std::vector<HWND> edits;
        for (HWND child = ::GetWindow(top, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
            if (wt::className(child) == L"Edit")
                edits.push_back(child);
        }
        if (!edits.empty() && pick(3) != 0)
            children = edits;
        if (!children.empty())
            ::PostMessageW(top, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(children[pick(children.size())]), TRUE);
    } else if (choice < 95) {
        wt::type(focus, words[pick(words.size())]);
    } else if (choice < 98) {
        wt::systemCommand(ui.dialog(), wt::kAboutCommand);
    } else {
        wt::systemCommand(top, SC_CLOSE);
    }
}

}  // namespace

StormResult storm(uint32_t seed, int events, const Runner& run, const std::vector<std::wstring>& words)
{
    constexpr int kBatch = 25;
    std::mt19937 random(seed);
    StormResult result;
    while (events > 0) {
        ++result.runs;
        const int start = events;
        run([&](wt::Ui& ui) {
            while (events > 0 && ui.open()) {
                for (int i = 0; i < kBatch && events > 0; ++i, --events)
                    playOne(random, ui, words);
                if (!responsive(ui))
                    ++result.unresponsive;
                ui.sync();
                if (!closeOtherDialogs(ui))
                    ++result.leftOpen;
            }
        });
        if (events == start) {
            ADD_FAILURE() << "no dialog came up";
            break;
        }
    }
    return result;
}

}  // namespace stress
