// varnix, the test program.

#include "varnix.h"

#include "resource.h"

AppObject theApp;

const shell::CommandTable<shell::Application>* AppObject::commandTable() const
{
    using shell::handler;
    static constexpr shell::CommandEntry<shell::Application> entries[] = {
        {WM_COMMAND, BN_CLICKED, IDC_EXIT, IDC_EXIT, handler<&AppObject::onExit>},
    };
    // The base holds the Help entry, so 1000 is found before it.
    static constexpr shell::CommandTable<shell::Application> table{&shell::AppObject<TestDialog>::table, entries};
    return &table;
}

// Ends the main window's run through its OK path, as Enter there does.
void AppObject::onExit()
{
    if (mainWindow != nullptr)
        mainWindow->onOK();
}
