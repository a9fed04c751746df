#pragma once
// A message the framework itself shows (not one of a program's), in the user's interface
// language: the Russian text for a Russian user interface, the English one otherwise. The texts
// are in the string table in both languages (shell.rc).

#include <windows.h>

namespace shell {

class FrameworkMessage {
public:
    // Copies the text out of the resources, so that showing it allocates nothing (it may be the
    // message that the memory has run out). An absent text is empty.
    explicit FrameworkMessage(UINT id);

    const wchar_t* text() const { return text_; }

private:
    wchar_t text_[256] = {};
};

}  // namespace shell
