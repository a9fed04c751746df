#pragma once
// Platform services that record every call (thread-safe: the UI thread writes, the driver reads)
// and then, unless told otherwise, do what the real ones do.

#include "Platform.h"

#include <mutex>
#include <string>
#include <vector>

namespace wt {

struct MessageBoxCall {
    HWND owner;
    std::wstring text;
    std::wstring caption;  // "<null>" for a null caption
    UINT type;
};

class RecordingPlatform : public shell::PlatformServices {
public:
    RecordingPlatform() { shell::setPlatform(this); }
    ~RecordingPlatform() override { shell::setPlatform(nullptr); }
    RecordingPlatform(const RecordingPlatform&) = delete;
    RecordingPlatform& operator=(const RecordingPlatform&) = delete;

    int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) override;
    int messageBoxA(HWND owner, const char* text, const char* caption, UINT type) override;
    BOOL messageBeep(UINT type) override;
    int runCommand(const char* command) override;

    std::vector<MessageBoxCall> messageBoxes() const;
    std::vector<UINT> beeps() const;
    std::vector<std::string> commands() const;
    // What the command interpreter returned for each of them (0: the program it found ran).
    std::vector<int> commandResults() const;

    bool realCommands = true;  // false: record only, run nothing

private:
    mutable std::mutex mutex_;
    std::vector<MessageBoxCall> boxes_;
    std::vector<UINT> beeps_;
    std::vector<std::string> commands_;
    std::vector<int> commandResults_;
};

}  // namespace wt
