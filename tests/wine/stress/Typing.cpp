#include "Typing.h"

#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace stress {
namespace {

using testtext::printable;
using wt::Commands;

enum class CharEffect {
    Kept,     // inserted at the caret
    Ignored,  // text and caret unchanged
    Erases,   // removes the character before the caret (Backspace)
    Other,    // anything else (selection, clipboard, undo, a button): not modelled, not typed
};

// The field as a user sees it while typing: its text and the caret.
struct FieldModel {
    std::wstring text;
    size_t caret = 0;

    void type(wchar_t c, CharEffect effect)
    {
        if (effect == CharEffect::Kept) {
            text.insert(caret, 1, c);
            ++caret;
        } else if (effect == CharEffect::Erases && caret > 0) {
            text.erase(caret - 1, 1);
            --caret;
        }
    }
    // What the program writes over the text: the caret goes to the start.
    void replace(const std::wstring& value)
    {
        text = value;
        caret = 0;
    }
};

// Tries each character on the field holding "ab" with the caret at its end.
void probeOne(const wt::Ui& ui, int field, wchar_t c, std::vector<CharEffect>& effects)
{
    ui.setText(field, L"");
    ui.setFocus(field);
    ui.type(L"ab");
    ui.sync();
    ui.type(std::wstring(1, c));
    ui.sync();
    if (!ui.open())
        return;
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(ui.item(field), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = ui.text(field);
    if (text == std::wstring(L"ab") + c && start == 3 && end == 3)
        effects[c] = CharEffect::Kept;
    else if (text == L"ab" && start == 2 && end == 2)
        effects[c] = CharEffect::Ignored;
    else if (text == L"a" && start == 1 && end == 1)
        effects[c] = CharEffect::Erases;
}

// Tries each character in dialogs that `run` starts (a character that ends one goes on in the next).
std::vector<CharEffect> probeCharacters(const Runner& run, int field)
{
    // An empty clipboard makes Ctrl+V (0x16) paste nothing, whatever ran before.
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    std::vector<CharEffect> effects(0x7F, CharEffect::Other);
    wchar_t c = 0x01;
    while (c < 0x7F) {
        const wchar_t start = c;
        run([&](wt::Ui& ui) {
            for (; c < 0x7F && ui.open(); ++c)
                probeOne(ui, field, c, effects);
        });
        if (c == start) {
            ADD_FAILURE() << "no dialog came up";
            break;
        }
    }
    return effects;
}

template <class T>
std::vector<T> since(const std::vector<T>& all, size_t start)
{
    return std::vector<T>(all.begin() + static_cast<std::ptrdiff_t>(std::min(start, all.size())), all.end());
}

// Types each text character by character into the emptied field and checks after every character
// that the commands handed to the interpreter, and the stubs' log, are exactly `expected` of the
// text typed so far (the stubs log "<name>|<arguments>", and there must be no arguments).
void typeEachAndCheckLaunches(const Runner& run, int field, const std::vector<std::wstring>& texts,
                              const std::function<Commands(const std::wstring&)>& expected)
{
    wt::LaunchLog log;
    wt::RecordingPlatform platform;
    size_t done = 0;
    while (done < texts.size()) {
        const size_t start = done;
        run([&](wt::Ui& ui) {
            for (; done < texts.size() && ui.open(); ++done) {
                const std::wstring& text = texts[done];
                SCOPED_TRACE(printable(text));
                const size_t commandsBefore = platform.commands().size();
                const size_t linesBefore = log.lines().size();
                ui.setText(field, L"");
                ui.setFocus(field);
                for (size_t typed = 1; typed <= text.size(); ++typed) {
                    ui.type(text.substr(typed - 1, 1));
                    ui.sync();  // a launch blocks the dialog, so it is over by now
                    const Commands launches = expected(text.substr(0, typed));
                    const Commands commands = since(platform.commands(), commandsBefore);
                    const std::vector<std::string> lines = wt::LaunchLog::linesFor(launches);
                    const std::vector<std::string> logged = since(log.waitForLines(linesBefore + lines.size()), linesBefore);
                    if (commands != launches || logged != lines) {
                        EXPECT_EQ(launches, commands) << "after " << typed << " typed";
                        EXPECT_EQ(lines, logged) << "after " << typed << " typed; the interpreter returned "
                                                 << testing::PrintToString(since(platform.commandResults(), commandsBefore));
                        break;
                    }
                }
                EXPECT_TRUE(ui.open());
            }
        });
        if (done == start) {
            ADD_FAILURE() << "no dialog came up";
            return;
        }
    }
}

// The rule replayed on the model of the field, key by key.
Commands expectedLaunches(const std::wstring& typed, const std::vector<CharEffect>& effects, const LaunchRule& rule)
{
    FieldModel field;
    Commands launches;
    for (wchar_t c : typed) {
        field.type(c, effects[c]);
        const std::string command = rule.command(field.text);
        if (!command.empty()) {
            launches.push_back(command);
            field.replace(rule.writtenBack);
        }
    }
    return launches;
}

}  // namespace

void checkTypedLaunches(const Runner& run, int field, const std::vector<std::wstring>& patterns, const LaunchRule& rule)
{
    const std::vector<CharEffect> effects = probeCharacters(run, field);
    std::vector<std::wstring> typed;
    std::wstring untried;
    for (wchar_t c = 0x01; c < 0x7F; ++c) {
        if (effects[c] == CharEffect::Other) {
            untried += c;
            continue;
        }
        for (std::wstring text : patterns) {
            std::replace(text.begin(), text.end(), L'%', c);
            typed.push_back(text);
        }
    }
    std::printf("characters the field does not simply keep, ignore or erase with: %s\n", printable(untried).c_str());
    for (wchar_t c = 0x20; c < 0x7F; ++c)
        EXPECT_EQ(std::wstring::npos, untried.find(c)) << "the field does not simply keep " << printable(std::wstring(1, c));

    typeEachAndCheckLaunches(run, field, typed,
                             [&](const std::wstring& text) { return expectedLaunches(text, effects, rule); });
}

}  // namespace stress
