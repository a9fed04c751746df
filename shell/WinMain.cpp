// The program entry: hands the framework start the command-line tail and the show command.

#include "Application.h"
#include "StartUp.h"

#include <windows.h>

namespace {

// DLLs that the system loads later by name (themes, input methods, sound) come from the system
// directory only, never from the program's or the current directory, where anyone may have put a
// DLL of that name. SetDefaultDllDirectories needs Windows 8, or update KB2533623 on Vista and 7;
// without it at least the current directory leaves the search.
void restrictDllSearch()
{
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
    const FARPROC found = kernel32 != nullptr ? ::GetProcAddress(kernel32, "SetDefaultDllDirectories") : nullptr;
    // Through void (*)(): the one function pointer type GCC lets any other convert to and from quietly.
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
    if (setDefaultDllDirectories == nullptr || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32))
        ::SetDllDirectoryW(L"");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    restrictDllSearch();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const int show = shell::showCommand((startup.dwFlags & STARTF_USESHOWWINDOW) != 0, startup.wShowWindow);
    shell::Application* app = shell::Application::current();
    return app != nullptr ? app->start(instance, shell::commandTail(::GetCommandLineW()), show) : 1;
}
