#pragma once
// Typing every character into a launch field: what the edit box does with each character, found
// by trying it, and a small model of the box (text and caret) to replay typed texts against.

#include "LaunchLog.h"
#include "Stress.h"
#include "TestText.h"

#include <string>
#include <vector>

namespace stress {

enum class CharEffect {
    Kept,     // inserted at the caret
    Ignored,  // text and caret unchanged
    Erases,   // removes the character before the caret (Backspace)
    Other,    // anything else (selection, clipboard, undo, a button): not modelled, not typed
};

// Tries each character from 0x01 to 0x7E on the field holding "ab" with the caret at its end, in
// dialogs that `run` starts (a character that ends one goes on in the next). The field must launch
// nothing for "ab" and for "ab" plus one character.
std::vector<CharEffect> probeCharacters(const Runner& run, int field);

// The field as a user sees it while typing: its text and the caret.
struct FieldModel {
    std::wstring text;
    size_t caret = 0;

    void type(wchar_t c, CharEffect effect);
    // What the program writes over the text: the caret goes to the start.
    void replace(const std::wstring& value)
    {
        text = value;
        caret = 0;
    }
};

using testtext::printable;

using Commands = std::vector<std::string>;

// Types each text character by character into the emptied field and checks after every character
// that the commands handed to the interpreter, and the stubs' log, are exactly `expected` of the
// text typed so far (the stubs log "<name>|<arguments>", and there must be no arguments).
void typeEachAndCheckLaunches(const Runner& run, int field, const std::vector<std::wstring>& texts,
                              const std::function<Commands(const std::wstring&)>& expected);

}  // namespace stress
