/* The least a program can do to show a given dialog template: one modal run of template 102
   whose dialog procedure does nothing but end the dialog on a click. Built once per measured
   program, with that program's resources, to give the floor its figures are compared with.
   Built with GREETING, a click on IDOK shows the greeting's message box instead. Built with
   SHELL_START, it also does the start-up work every main dialog of the shell must do: both window
   icons and the About item of the system menu. */
#include <windows.h>

static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
#ifdef SHELL_START
    if (message == WM_INITDIALOG) {
        const HINSTANCE instance = GetModuleHandleW(NULL);
        const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(128));
        const HMENU menu = GetSystemMenu(window, FALSE);
        wchar_t about[64];
        if (menu != NULL && LoadStringW(instance, 101, about, 64) > 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, NULL);
            AppendMenuW(menu, MF_STRING, 0x0010, about);
        }
        SendMessageW(window, WM_SETICON, ICON_BIG, (LPARAM)icon);
        SendMessageW(window, WM_SETICON, ICON_SMALL, (LPARAM)icon);
        return TRUE;
    }
#endif
    if (message == WM_INITDIALOG)
        return TRUE;
#ifdef GREETING
    /* The greeting's floor: the same message box, shown by the least code that can show it. */
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        MessageBoxW(window, L"Say Hello!", L"velmora4", MB_OK);
        return TRUE;
    }
#endif
    /* A click only (a button, Enter, Escape): an edit box's notifications, such as the
       EN_SETFOCUS of a template that starts with the focus in one, must not end it. */
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(window, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    return (int)DialogBoxParamW(instance, MAKEINTRESOURCEW(102), NULL, procedure, 0);
}
