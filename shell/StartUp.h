#pragma once
// What the program entry hands the framework start: the command-line tail and the show command.
// Free of <windows.h> so that it can be tested on any host.

namespace shell {

inline constexpr int kDefaultShowCommand = 10;  // SW_SHOWDEFAULT

// The command line after the program's name and the blanks (codes 1 to 32) that follow it.
// A name that begins with a double quote runs to the next double quote, which is skipped too;
// otherwise it runs to the first character with a code of 32 or less.
template <class Char>
const Char* commandTail(const Char* commandLine)
{
    auto code = [](Char c) { return static_cast<unsigned long>(c); };
    const Char* p = commandLine;
    if (p == nullptr)
        return p;
    if (*p == Char('"')) {
        ++p;
        while (*p != Char(0) && *p != Char('"'))
            ++p;
        if (*p == Char('"'))
            ++p;
    } else {
        while (code(*p) > 32)
            ++p;
    }
    while (code(*p) >= 1 && code(*p) <= 32)
        ++p;
    return p;
}

// The show command from the process start-up information, or the default when it carries none.
constexpr int showCommand(bool startupHasShowWindow, unsigned short startupShowWindow)
{
    return startupHasShowWindow ? static_cast<int>(startupShowWindow) : kDefaultShowCommand;
}

}  // namespace shell
