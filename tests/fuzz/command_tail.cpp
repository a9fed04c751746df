// Whatever command line the system hands a program, and whatever start-up information: the tail
// points into the line, never past its terminator, and what it skips is the program's name and
// the blanks after it, nothing more; the show command is the flagged value or the default.
// The line is checked as the 32-bit wchar_t of this host, as the 16-bit one of Windows and as
// narrow bytes, whose values above 127 are negative in a signed char.

#include "FuzzText.h"
#include "StartUp.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace {

template <class Char>
unsigned long code(Char c)
{
    using Unsigned = std::make_unsigned_t<Char>;
    return static_cast<Unsigned>(c);
}

template <class Char>
std::wstring shown(const std::vector<Char>& line)
{
    std::wstring text;
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        text.push_back(static_cast<wchar_t>(code(line[i])));
    return text;
}

// line holds the text and a terminating NUL; the text may hold NULs of its own.
template <class Char>
void checkTail(const std::vector<Char>& line)
{
    const Char* start = line.data();
    std::size_t terminator = 0;
    while (line[terminator] != Char(0))
        ++terminator;

    const Char* tail = shell::commandTail(start);
    if (tail < start || tail > start + terminator)
        fuzz::fail("tail outside the line", shown(line));
    const auto at = static_cast<std::size_t>(tail - start);

    // The name: a quoted one up to and with its closing quote (or to the end), else up to the
    // first code of 32 or less.
    std::size_t nameEnd = 0;
    if (line[0] == Char('"')) {
        nameEnd = 1;
        while (nameEnd < terminator && line[nameEnd] != Char('"'))
            ++nameEnd;
        if (nameEnd < terminator)
            ++nameEnd;
    } else {
        while (nameEnd < terminator && code(line[nameEnd]) > 32)
            ++nameEnd;
    }
    if (at < nameEnd)
        fuzz::fail("tail inside the program's name", shown(line));
    for (std::size_t i = nameEnd; i < at; ++i) {
        if (code(line[i]) < 1 || code(line[i]) > 32)
            fuzz::fail("skipped a character that is not a blank", shown(line));
    }
    if (code(*tail) >= 1 && code(*tail) <= 32)
        fuzz::fail("tail starts with a blank", shown(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 3) {
        const bool flagged = (data[0] & 1) != 0;
        const auto value = static_cast<unsigned short>(data[1] << 8 | data[2]);
        const int show = shell::showCommand(flagged, value);
        if (show != (flagged ? static_cast<int>(value) : 10))
            fuzz::fail("wrong show command", L"");
    }

    const std::wstring text = fuzz::wideText(data, size);
    std::vector<wchar_t> wide(text.begin(), text.end());
    wide.push_back(0);
    checkTail(wide);

    std::vector<char16_t> utf16;
    for (wchar_t c : text)
        utf16.push_back(static_cast<char16_t>(c));
    utf16.push_back(0);
    checkTail(utf16);

    std::vector<char> narrow(data, data + size);
    narrow.push_back(0);
    checkTail(narrow);

    if (shell::commandTail(static_cast<const wchar_t*>(nullptr)) != nullptr)
        fuzz::fail("null line gave a tail", L"");
    return 0;
}
