#pragma once
// Typing every character into a launch field, alone and beside the texts that launch, and checking
// after each key that the program started exactly what its rule says.

#include "LaunchLog.h"
#include "Stress.h"

#include <functional>
#include <string>
#include <vector>

namespace stress {

// What a program does when its field's whole text changes: the command that text starts (empty:
// none), and the text it then writes over the field.
struct LaunchRule {
    std::function<std::string(const std::wstring& text)> command;
    std::wstring writtenBack;
};

// Finds by trying what the field does with each character from 0x01 to 0x7E (keeps it, ignores
// it, erases with it; anything else is left out and listed), then types each pattern with every
// such character in place of '%' key by key into the emptied field. After every key the commands
// handed to the interpreter, and the stubs' log, must be exactly what `rule` gives for a model of
// the field fed the same keys. Every printable character must simply be kept.
void checkTypedLaunches(const Runner& run, int field, const std::vector<std::wstring>& patterns,
                        const LaunchRule& rule);

}  // namespace stress
