#pragma once
// The functions the programs may import, by DLL: each one is present on Windows Vista (NT 6.0),
// the oldest Windows the programs declare. The table holds what the 32- and 64-bit programs
// import today and nothing more, so that it also notices a runtime library creeping back in (the
// thread and exception runtimes import functions of their own). A function joins the table only
// once its documentation says Vista or earlier has it.

namespace allowed {

enum class Since {
    XpOrEarlier,     // Windows API; documented minimum client Windows 2000 or XP
    Vista,           // Windows API; documented minimum client Windows Vista
    CRuntime,        // C runtime function (C runtime reference), in msvcrt.dll since Windows 2000
    RuntimeSupport,  // start-up, exception and stdio support of the MinGW-w64 runtime, exported
                     // by the system's msvcrt.dll (kernel32.dll for the 64-bit exception handler)
                     // since Windows XP
};

struct Import {
    const char* dll;
    const char* function;
    Since since;
};

// LoadLibraryExW is on every Windows, but its LOAD_LIBRARY_SEARCH_* flags need Windows 8, or on
// Vista and 7 update KB2533623: a program must not rely on them without a fallback.
inline constexpr Import kImports[] = {
    {"KERNEL32.dll", "DeleteCriticalSection", Since::XpOrEarlier},
    {"KERNEL32.dll", "EnterCriticalSection", Since::XpOrEarlier},
    {"KERNEL32.dll", "ExitProcess", Since::XpOrEarlier},
    {"KERNEL32.dll", "FindResourceExW", Since::XpOrEarlier},
    {"KERNEL32.dll", "FreeLibrary", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetCommandLineW", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetLastError", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetLocaleInfoW", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetModuleFileNameW", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetModuleHandleA", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetModuleHandleW", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetProcAddress", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetProcessHeap", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetStartupInfoW", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetSystemDirectoryW", Since::XpOrEarlier},
    {"KERNEL32.dll", "HeapAlloc", Since::XpOrEarlier},
    {"KERNEL32.dll", "HeapFree", Since::XpOrEarlier},
    {"KERNEL32.dll", "InitializeCriticalSection", Since::XpOrEarlier},
    {"KERNEL32.dll", "LeaveCriticalSection", Since::XpOrEarlier},
    {"KERNEL32.dll", "LoadLibraryA", Since::XpOrEarlier},
    {"KERNEL32.dll", "LoadLibraryExW", Since::XpOrEarlier},
    {"KERNEL32.dll", "LoadResource", Since::XpOrEarlier},
    {"KERNEL32.dll", "LockResource", Since::XpOrEarlier},
    {"KERNEL32.dll", "SetDllDirectoryW", Since::XpOrEarlier},
    {"KERNEL32.dll", "SetUnhandledExceptionFilter", Since::XpOrEarlier},
    {"KERNEL32.dll", "SizeofResource", Since::XpOrEarlier},
    {"KERNEL32.dll", "Sleep", Since::XpOrEarlier},
    {"KERNEL32.dll", "TlsGetValue", Since::XpOrEarlier},
    {"KERNEL32.dll", "VirtualProtect", Since::XpOrEarlier},
    {"KERNEL32.dll", "VirtualQuery", Since::XpOrEarlier},
    {"KERNEL32.dll", "GetThreadUILanguage", Since::Vista},
    {"KERNEL32.dll", "__C_specific_handler", Since::RuntimeSupport},
    {"USER32.dll", "AppendMenuW", Since::XpOrEarlier},
    {"USER32.dll", "BeginPaint", Since::XpOrEarlier},
    {"USER32.dll", "CallWindowProcW", Since::XpOrEarlier},
    {"USER32.dll", "DefWindowProcW", Since::XpOrEarlier},
    {"USER32.dll", "DialogBoxParamW", Since::XpOrEarlier},
    {"USER32.dll", "DrawIcon", Since::XpOrEarlier},
    {"USER32.dll", "EnableWindow", Since::XpOrEarlier},
    {"USER32.dll", "EndDialog", Since::XpOrEarlier},
    {"USER32.dll", "EndPaint", Since::XpOrEarlier},
    {"USER32.dll", "GetClientRect", Since::XpOrEarlier},
    {"USER32.dll", "GetDlgItem", Since::XpOrEarlier},
    {"USER32.dll", "GetPropW", Since::XpOrEarlier},
    {"USER32.dll", "GetSystemMenu", Since::XpOrEarlier},
    {"USER32.dll", "GetSystemMetrics", Since::XpOrEarlier},
    {"USER32.dll", "GetWindowLongPtrW", Since::XpOrEarlier},
    {"USER32.dll", "GetWindowLongW", Since::XpOrEarlier},
    {"USER32.dll", "GetWindowTextLengthW", Since::XpOrEarlier},
    {"USER32.dll", "GetWindowTextW", Since::XpOrEarlier},
    {"USER32.dll", "IsIconic", Since::XpOrEarlier},
    {"USER32.dll", "LoadIconW", Since::XpOrEarlier},
    {"USER32.dll", "LoadStringW", Since::XpOrEarlier},
    {"USER32.dll", "MessageBeep", Since::XpOrEarlier},
    {"USER32.dll", "MessageBoxA", Since::XpOrEarlier},
    {"USER32.dll", "MessageBoxW", Since::XpOrEarlier},
    {"USER32.dll", "RemovePropW", Since::XpOrEarlier},
    {"USER32.dll", "SendMessageW", Since::XpOrEarlier},
    {"USER32.dll", "SetPropW", Since::XpOrEarlier},
    {"USER32.dll", "SetWindowLongPtrW", Since::XpOrEarlier},
    {"USER32.dll", "SetWindowLongW", Since::XpOrEarlier},
    {"USER32.dll", "SetWindowTextW", Since::XpOrEarlier},
    {"USER32.dll", "ShowWindow", Since::XpOrEarlier},
    {"msvcrt.dll", "_cexit", Since::CRuntime},
    {"msvcrt.dll", "_errno", Since::CRuntime},
    {"msvcrt.dll", "abort", Since::CRuntime},
    {"msvcrt.dll", "calloc", Since::CRuntime},
    {"msvcrt.dll", "exit", Since::CRuntime},
    {"msvcrt.dll", "fprintf", Since::CRuntime},
    {"msvcrt.dll", "free", Since::CRuntime},
    {"msvcrt.dll", "fwrite", Since::CRuntime},
    {"msvcrt.dll", "localeconv", Since::CRuntime},
    {"msvcrt.dll", "malloc", Since::CRuntime},
    {"msvcrt.dll", "memcmp", Since::CRuntime},
    {"msvcrt.dll", "memcpy", Since::CRuntime},
    {"msvcrt.dll", "memset", Since::CRuntime},
    {"msvcrt.dll", "signal", Since::CRuntime},
    {"msvcrt.dll", "strlen", Since::CRuntime},
    {"msvcrt.dll", "strncmp", Since::CRuntime},
    {"msvcrt.dll", "system", Since::CRuntime},
    {"msvcrt.dll", "vfprintf", Since::CRuntime},
    {"msvcrt.dll", "wcslen", Since::CRuntime},
    {"msvcrt.dll", "__iob_func", Since::RuntimeSupport},
    {"msvcrt.dll", "__p__commode", Since::RuntimeSupport},
    {"msvcrt.dll", "__p__fmode", Since::RuntimeSupport},
    {"msvcrt.dll", "__p__wcmdln", Since::RuntimeSupport},
    {"msvcrt.dll", "__set_app_type", Since::RuntimeSupport},
    {"msvcrt.dll", "__setusermatherr", Since::RuntimeSupport},
    {"msvcrt.dll", "__wgetmainargs", Since::RuntimeSupport},
    {"msvcrt.dll", "__winitenv", Since::RuntimeSupport},
    {"msvcrt.dll", "_amsg_exit", Since::RuntimeSupport},
    {"msvcrt.dll", "_commode", Since::RuntimeSupport},
    {"msvcrt.dll", "_fmode", Since::RuntimeSupport},
    {"msvcrt.dll", "_initterm", Since::RuntimeSupport},
    {"msvcrt.dll", "_iob", Since::RuntimeSupport},
    {"msvcrt.dll", "_onexit", Since::RuntimeSupport},
    {"msvcrt.dll", "_wcmdln", Since::RuntimeSupport},
};

}  // namespace allowed
