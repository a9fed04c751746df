#include "velmora2Dlg.h"

#include "DataExchange.h"
#include "LaunchKeys.h"
#include "Platform.h"
#include "resource.h"

// Only these fixed commands ever reach the command interpreter, never the typed text.
static constexpr shell::LaunchKey kLaunchKeys[] = {
    {L"1", "mspaint.exe"},
    {L"2", "calc.exe"},
};

const shell::CommandTable<shell::Dialog>* LauncherDialog::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Dialog> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDCANCEL, IDCANCEL, handler<&LauncherDialog::onClear>},
        {WM_COMMAND, BN_CLICKED, IDOK, IDOK, handler<&LauncherDialog::onTest>},
        {WM_COMMAND, BN_CLICKED, IDC_BAIL_OUT, IDC_BAIL_OUT, handler<&LauncherDialog::onBailOut>},
        {WM_COMMAND, BN_CLICKED, IDC_VISIBLE, IDC_VISIBLE, handler<&LauncherDialog::onVisible>},
        {WM_COMMAND, BN_CLICKED, IDC_ENABLED, IDC_ENABLED, handler<&LauncherDialog::onEnabled>},
        {WM_COMMAND, EN_CHANGE, IDC_FIELD, IDC_FIELD, handler<&LauncherDialog::onChange>},
    };
    static constexpr shell::CommandTable<shell::Dialog> table{&shellTable, entries};
    return &table;
}

void LauncherDialog::exchange(shell::DataExchange& dx)
{
    Dialog::exchange(dx);
    dx.control(IDOK, testButton);
    dx.text(IDC_FIELD, fieldText);
    dx.check(IDC_VISIBLE, fieldVisible);
    dx.check(IDC_ENABLED, fieldEnabled);
}

bool LauncherDialog::onInitDialog()
{
    Dialog::onInitDialog();  // NOLINT(bugprone-parent-virtual-call): no About item and no icons here
    fieldVisible = 1;
    fieldEnabled = 1;
    updateData(false);
    return true;
}

void LauncherDialog::onClear()
{
    fieldText = L"";
    updateData(false);
}

void LauncherDialog::onTest()
{
    fieldText = L"dgfdg";
    updateData(false);
}

void LauncherDialog::onBailOut()
{
    onOK();
}

void LauncherDialog::onVisible()
{
    updateData(true);
    child(IDC_FIELD).show(fieldVisible == 1 ? SW_SHOW : SW_HIDE);
}

void LauncherDialog::onEnabled()
{
    updateData(true);
    child(IDC_FIELD).enable(fieldEnabled == 1);
}

void LauncherDialog::onChange()
{
    updateData(true);
    const shell::Text typed = fieldText;  // a copy: the loop below rewrites fieldText
    for (const shell::LaunchKey& key : kLaunchKeys) {
        if (shell::keyMatches(key.text, typed, shell::KeyMatch::Exact)) {
            shell::platform().runCommand(key.command);  // blocks until the interpreter returns
            fieldText = L" ";
            updateData(false);
        }
    }
}
