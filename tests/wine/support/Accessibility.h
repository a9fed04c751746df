#pragma once
// What a screen reader hears of a window's controls: each control's client object taken through
// Active Accessibility (AccessibleObjectFromWindow, as screen readers and UI Automation's proxy
// for Win32 controls do), its name and description read from it. From any thread but the
// window's own, whose message loop answers.

#include <windows.h>

#include <ole2.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace wt {

// One control as a screen reader should speak it. An empty description is not checked.
struct SpokenControl {
    int id;
    std::wstring name;
    std::wstring description = {};
};

// What Active Accessibility answers for a control itself (CHILDID_SELF).
struct Spoken {
    bool found = false;   // an accessible object was handed out
    HRESULT nameStatus = E_FAIL;
    std::wstring name;    // S_FALSE: no name
    std::wstring description;
    std::wstring value;
    long role = 0;        // ROLE_SYSTEM_...
};
Spoken spoken(HWND control);

// The ids of a window's children that Tab stops at, in tab order.
std::vector<int> tabStops(HWND window);

// Checks that the window's tab stops are the listed controls and that each speaks its name (and
// description), failing the current test with expected against actual otherwise.
void expectSpokenAsListed(HWND window, const std::vector<SpokenControl>& expected);

}  // namespace wt
