#include "ProgramRun.h"

#include "Driver.h"

namespace wt {

std::wstring binDirectory()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

ProgramRun::ProgramRun(const std::wstring& exeName)
{
    std::wstring commandLine = L"\"" + binDirectory() + exeName + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    ::CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    waitFor([this] { return (window_ = firstDialog(processWindows(processId_))) != nullptr; });
    // Meet the program at rest, its window painted and its message loop waiting: Wine runs some
    // requests from other processes in a signal handler on the target's thread, which can deadlock
    // one that is still busy inside the C runtime's allocator.
    if (window_ != nullptr)
        ::WaitForInputIdle(process_, 5000);
}

ProgramRun::~ProgramRun()
{
    if (process_ == nullptr)
        return;
    if (::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_, 99);
        ::WaitForSingleObject(process_, 5000);
    }
    ::CloseHandle(process_);
}

HWND ProgramRun::waitForOtherDialog() const
{
    HWND found = nullptr;
    waitFor([&] { return (found = firstDialog(processWindows(processId_), window_)) != nullptr; });
    return found;
}

bool ProgramRun::waitForExit(DWORD timeoutMs) const
{
    return process_ != nullptr && ::WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramRun::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr)
        ::GetExitCodeProcess(process_, &code);
    return code;
}

}  // namespace wt
