#pragma once
// Starts one of the built programs (an executable beside the test) as its own process and finds
// its main window, for what only the real process shows: its exit, its message boxes' captions.

#include <windows.h>

#include <string>

namespace wt {

class ProgramRun {
public:
    explicit ProgramRun(const std::wstring& exeName);
    ~ProgramRun();  // ends the process if a test left it running
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool started() const { return process_ != nullptr; }
    HWND window() const { return window_; }  // the main dialog, once it is shown
    DWORD processId() const { return processId_; }
    // A visible dialog window of the process other than the main one (a message box).
    HWND waitForOtherDialog() const;
    bool waitForExit(DWORD timeoutMs = 15000) const;
    DWORD exitCode() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

// The directory of the running test executable, where the programs are built too.
std::wstring binDirectory();

}  // namespace wt
