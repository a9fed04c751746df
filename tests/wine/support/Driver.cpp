#include "Driver.h"

namespace wt {

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() > deadline)
            return false;
        ::Sleep(2);
    }
}

std::wstring text(HWND window)
{
    if (window == nullptr)
        return L"<no window>";
    const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring result(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(window, WM_GETTEXT, result.size(), reinterpret_cast<LPARAM>(result.data()));
    result.resize(static_cast<size_t>(copied));
    return result;
}

std::wstring className(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

HWND item(HWND dialog, int id)
{
    return ::GetDlgItem(dialog, id);
}

std::vector<std::wstring> childTexts(HWND parent)
{
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(text(child));
    return texts;
}

int controlId(HWND window)
{
    return window != nullptr ? ::GetDlgCtrlID(window) : 0;
}

namespace {

BOOL CALLBACK collectVisible(HWND window, LPARAM list)
{
    if (::IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

struct ProcessFilter {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK collectProcessVisible(HWND window, LPARAM filter)
{
    auto* f = reinterpret_cast<ProcessFilter*>(filter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == f->processId && ::IsWindowVisible(window))
        f->windows.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> threadWindows(DWORD threadId)
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(threadId, collectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> processWindows(DWORD processId)
{
    ProcessFilter filter{processId, {}};
    ::EnumWindows(collectProcessVisible, reinterpret_cast<LPARAM>(&filter));
    return filter.windows;
}

HWND firstDialog(const std::vector<HWND>& windows, HWND except)
{
    for (HWND window : windows) {
        if (window != except && className(window) == L"#32770")
            return window;
    }
    return nullptr;
}

HWND focusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

void click(HWND button)
{
    ::PostMessageW(button, BM_CLICK, 0, 0);
}

void clickItem(HWND dialog, int id)
{
    click(item(dialog, id));
}

void key(HWND target, UINT virtualKey)
{
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    ::PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void type(HWND target, const std::wstring& characters)
{
    for (wchar_t c : characters)
        ::PostMessageW(target, WM_CHAR, c, 1);
}

void mnemonic(HWND target, wchar_t letter)
{
    ::PostMessageW(target, WM_SYSCHAR, letter, 1 | (1u << 29));
}

void systemCommand(HWND window, UINT id)
{
    ::PostMessageW(window, WM_SYSCOMMAND, id, 0);
}

std::wstring messageBoxText(HWND box)
{
    return text(::GetDlgItem(box, 0xFFFF));
}

bool dismiss(HWND box)
{
    HWND button = ::FindWindowExW(box, nullptr, L"Button", nullptr);
    if (button == nullptr)
        return false;
    click(button);
    return waitFor([box] { return !::IsWindow(box); });
}

std::vector<UINT> menuIds(HMENU menu)
{
    std::vector<UINT> ids;
    const int count = ::GetMenuItemCount(menu);
    ids.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    for (int i = 0; i < count; ++i)
        ids.push_back(::GetMenuItemID(menu, i));
    return ids;
}

std::wstring menuText(HMENU menu, UINT id)
{
    wchar_t buffer[256] = {};
    if (::GetMenuStringW(menu, id, buffer, 256, MF_BYCOMMAND) <= 0)
        return L"<no item>";
    return buffer;
}

}  // namespace wt
