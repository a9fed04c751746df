#include "velmora4Dlg.h"

#include "Platform.h"
#include "resource.h"

// The sound type of the Beep button: exactly this value, neither the plain beep nor MB_OK.
constexpr UINT kBeepSound = 0xFFFE;

const shell::CommandTable<shell::Dialog>* GreetingDialog::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Dialog> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDC_BEEP, IDC_BEEP, handler<&GreetingDialog::onBeep>},
    };
    static constexpr shell::CommandTable<shell::Dialog> table{&shellTable, entries};
    return &table;
}

// The greeting replaces the OK path: the dialog stays open.
void GreetingDialog::onOK()
{
    shell::messageBox(handle(), L"Say Hello!", nullptr, MB_OK);
}

void GreetingDialog::onCancel()
{
    Dialog::onCancel();
}

void GreetingDialog::onBeep()
{
    shell::platform().messageBeep(kBeepSound);
}
