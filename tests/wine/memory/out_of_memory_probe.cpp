// A program built as the real ones are (their allocation, their flags) that asks for more memory
// than any heap can give.

#include "Application.h"

#include <windows.h>

#include <cstddef>

shell::Application theApp;
char* volatile kept;  // volatile: the compiler may not leave out an allocation that is kept

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/)
{
    volatile std::size_t huge = static_cast<std::size_t>(-1) - 4096;
    kept = new char[huge];
    return 0;
}
