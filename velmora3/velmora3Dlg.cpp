#include "velmora3Dlg.h"

#include "DataExchange.h"
#include "Platform.h"
#include "resource.h"

ReliabilityModel reliabilityModel;

// The refusal box has no owner, so the dialog stays usable while it is open.
void reportRefusal(const char* message)
{
    shell::platform().messageBoxA(nullptr, message, "", MB_OK);
}

const shell::CommandTable<shell::Dialog>* ReliabilityDialog::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Dialog> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDC_RUN, IDC_RUN, handler<&ReliabilityDialog::onRun>},
        {WM_COMMAND, BN_CLICKED, IDC_X, IDC_X, handler<&ReliabilityDialog::onX>},
    };
    static constexpr shell::CommandTable<shell::Dialog> table{&shellTable, entries};
    return &table;
}

void ReliabilityDialog::exchange(shell::DataExchange& dx)
{
    Dialog::exchange(dx);
    dx.number(IDC_MEAN_TIME, valueTst);
    dx.number(IDC_TIME, valueT);
    dx.number(IDC_RELIABILITY, valueP);
}

// Each box is named after the label beside it, which the template places after it.
shell::AccessibleNames ReliabilityDialog::accessibleNames() const
{
    static constexpr shell::AccessibleName names[] = {
        {IDC_MEAN_TIME, L"Srednee Vremya - Tst"},
        {IDC_TIME, L"Vremya - T"},
        {IDC_RELIABILITY, L"Nadeznost - P"},
    };
    return shell::AccessibleNames(names);
}

// T is checked before Tst. A box that cannot be read has been reported by the save; RUN goes on
// with the members as they are. A refused number stays in its member and box, while P comes from
// the values the model accepted before.
void ReliabilityDialog::onRun()
{
    updateData(true);
    reliabilityModel.SetTime(valueT);
    reliabilityModel.SetMeanTime(valueTst);
    reliabilityModel.Compute();
    valueP = reliabilityModel.GetReliability();
    updateData(false);
}

// The OK path: saves, and ends the program once every box could be read; nothing is checked.
void ReliabilityDialog::onX()
{
    onOK();
}
