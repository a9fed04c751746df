#include "RecordingPlatform.h"

namespace wt {

namespace {

constexpr int kNotFound = 9009;  // the interpreter's answer for a command it could not start

bool inCurrentDirectory(const char* program)
{
    return program != nullptr && ::GetFileAttributesA(program) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int RecordingPlatform::messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back({owner, text != nullptr ? text : L"<null>", caption != nullptr ? caption : L"<null>", type});
    }
    return PlatformServices::messageBox(owner, text, caption, type);
}

int RecordingPlatform::messageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        auto widen = [](const char* s) { return s != nullptr ? std::wstring(s, s + strlen(s)) : L"<null>"; };
        boxes_.push_back({owner, widen(text), widen(caption), type});
    }
    return PlatformServices::messageBoxA(owner, text, caption, type);
}

BOOL RecordingPlatform::messageBeep(UINT type)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    beeps_.push_back(type);
    return TRUE;  // silent: the tests only need to know it was asked for
}

int RecordingPlatform::runCommand(const char* command)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        commands_.emplace_back(command != nullptr ? command : "<null>");
    }
    // Under load Wine now and then fails to create a process, and then nothing ran: the C runtime
    // answers -1 when it could not start the interpreter, and the interpreter answers 9009 ("not
    // found") when it found the program in the current directory but could not start it. Try
    // again, so that the stubs' log still shows exactly one run for each command; a program that
    // really is missing still answers 9009 once.
    int result = 0;
    for (int attempt = 0; realCommands && attempt < 3; ++attempt) {
        result = PlatformServices::runCommand(command);
        if (result != -1 && !(result == kNotFound && inCurrentDirectory(command)))
            break;
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    commandResults_.push_back(result);
    return result;
}

std::vector<MessageBoxCall> RecordingPlatform::messageBoxes() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

std::vector<UINT> RecordingPlatform::beeps() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return beeps_;
}

std::vector<std::string> RecordingPlatform::commands() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return commands_;
}

std::vector<int> RecordingPlatform::commandResults() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return commandResults_;
}

}  // namespace wt
