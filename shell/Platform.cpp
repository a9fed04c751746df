#include "Platform.h"

#include <cstdlib>

namespace shell {
namespace {

PlatformServices realServices;
PlatformServices* current = &realServices;

}  // namespace

int PlatformServices::messageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(owner, text, caption, type);
}

int PlatformServices::messageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    return ::MessageBoxA(owner, text, caption, type);
}

BOOL PlatformServices::messageBeep(UINT type)
{
    return ::MessageBeep(type);
}

int PlatformServices::runCommand(const char* command)
{
    return std::system(command);
}

PlatformServices& platform()
{
    return *current;
}

void setPlatform(PlatformServices* services)
{
    current = services != nullptr ? services : &realServices;
}

}  // namespace shell
