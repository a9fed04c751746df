#include "varnixDlg.h"

#include "DataExchange.h"
#include "LaunchKeys.h"
#include "Platform.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {

// Only these fixed commands ever reach the command interpreter, never the typed text.
constexpr shell::LaunchKey kLaunchWords[] = {
    {L"Paint", "mspaint.exe"},
    {L"Calculator", "calc.exe"},
};

// Not a launch: this word ends the program.
constexpr std::wstring_view kExitWord = L"Exit";

// The main template's edit box, in both windows: named after what it takes, described by the
// instructions above it.
constexpr shell::AccessibleName kAccessibleNames[] = {
    {IDC_EDIT, L"Paint, Calculator or Exit",
     L"INSTRUCTIONS: To execute the Paint program: type Paint in the edit box. To execute the Calculator "
     L"program, type Calculator in the edit box. To terminate the program, type Exit in the edit box."},
};

}  // namespace

AboutBox::AboutBox() : Dialog(IDD_MAIN, nullptr) {}

const shell::CommandTable<shell::Dialog>* AboutBox::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Dialog> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDC_EXIT, IDC_EXIT, handler<&AboutBox::onExit>},
    };
    static constexpr shell::CommandTable<shell::Dialog> table{&baseTable, entries};
    return &table;
}

shell::AccessibleNames AboutBox::accessibleNames() const
{
    return shell::AccessibleNames(kAccessibleNames);
}

void AboutBox::onExit()
{
    onOK();
}

// "E&xit" has no row here: the application object ends the program for it.
const shell::CommandTable<shell::Dialog>* TestDialog::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Dialog> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDC_TEST, IDC_TEST, handler<&TestDialog::onTest>},
        {WM_COMMAND, BN_CLICKED, IDC_CLEAR, IDC_CLEAR, handler<&TestDialog::onClear>},
        {WM_COMMAND, EN_CHANGE, IDC_EDIT, IDC_EDIT, handler<&TestDialog::onChange>},
        {WM_COMMAND, BN_CLICKED, IDC_VISIBLE, IDC_VISIBLE, handler<&TestDialog::onVisible>},
        {WM_COMMAND, BN_CLICKED, IDC_ENABLED, IDC_ENABLED, handler<&TestDialog::onEnabled>},
    };
    static constexpr shell::CommandTable<shell::Dialog> table{&shellTable, entries};
    return &table;
}

shell::AccessibleNames TestDialog::accessibleNames() const
{
    return shell::AccessibleNames(kAccessibleNames);
}

// The check boxes come first: loading a new text raises a change, whose handler saves them all,
// so they must already show their members by then.
void TestDialog::exchange(shell::DataExchange& dx)
{
    Dialog::exchange(dx);
    dx.check(IDC_VISIBLE, editVisible);
    dx.check(IDC_ENABLED, editEnabled);
    dx.text(IDC_EDIT, editText);
}

void TestDialog::onTest()
{
    editText = L"dgfdg";
    updateData(false);
}

void TestDialog::onClear()
{
    editText.clear();
    updateData(false);
}

void TestDialog::onVisible()
{
    updateData(true);
    child(IDC_EDIT).show(editVisible == 1 ? SW_SHOW : SW_HIDE);
}

void TestDialog::onEnabled()
{
    updateData(true);
    child(IDC_EDIT).enable(editEnabled == 1);
}

void TestDialog::onChange()
{
    updateData(true);
    auto matches = [this](std::wstring_view word) {
        return shell::keyMatches(word, editText, shell::KeyMatch::Word);
    };
    if (matches(kExitWord)) {
        onOK();
        return;
    }
    const auto key = std::find_if(std::begin(kLaunchWords), std::end(kLaunchWords),
                                  [&](const shell::LaunchKey& k) { return matches(k.text); });
    if (key == std::end(kLaunchWords))
        return;
    shell::platform().runCommand(key->command);  // blocks until the interpreter returns
    editText.clear();
    updateData(false);
}
