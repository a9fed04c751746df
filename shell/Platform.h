#pragma once
// The platform services the programs call: message boxes, the beep and the command interpreter.
// One seam, so that tests can observe or replace them; the programs use the real ones.

#include <windows.h>

namespace shell {

class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
    virtual int messageBoxA(HWND owner, const char* text, const char* caption, UINT type);
    virtual BOOL messageBeep(UINT type);
    // Hands one command text to the command interpreter and waits until it returns.
    virtual int runCommand(const char* command);
};

PlatformServices& platform();

// Installs replacement services (not owned); nullptr restores the real ones.
void setPlatform(PlatformServices* services);

}  // namespace shell
