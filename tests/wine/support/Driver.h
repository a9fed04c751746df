#pragma once
// Helpers that drive real windows through the real dialog manager, from another thread or
// process: keys are posted (the dialog manager only sees queued keys), texts are read with
// WM_GETTEXT, and every wait is for a condition, bounded by a time-out.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wt {

inline constexpr DWORD kTimeoutMs = 15000;
// The system menu's About item of the programs that have one.
inline constexpr UINT kAboutCommand = 0x0010;

// Polls until the condition holds; false if it never did within the time-out.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);

std::wstring text(HWND window);
std::wstring className(HWND window);
HWND item(HWND dialog, int id);
// The texts of a window's children, in z-order (template order for a dialog).
std::vector<std::wstring> childTexts(HWND parent);
int controlId(HWND window);

// Visible top-level windows of a thread, in z-order.
std::vector<HWND> threadWindows(DWORD threadId);
// Visible top-level windows of a process, in z-order.
std::vector<HWND> processWindows(DWORD processId);
// The first visible dialog-class window among the given ones that is not `except`.
HWND firstDialog(const std::vector<HWND>& windows, HWND except = nullptr);

HWND focusOf(DWORD threadId);

// Input, all posted.
void click(HWND button);
void clickItem(HWND dialog, int id);
void key(HWND target, UINT virtualKey);
void type(HWND target, const std::wstring& characters);
void mnemonic(HWND target, wchar_t letter);  // Alt+letter
void systemCommand(HWND window, UINT id);

// A message box: its text (the static with id 0xFFFF) and its dismissal by its first button.
std::wstring messageBoxText(HWND box);
bool dismiss(HWND box);

// The ids of a menu's items (separators have id 0).
std::vector<UINT> menuIds(HMENU menu);
std::wstring menuText(HMENU menu, UINT id);

}  // namespace wt
