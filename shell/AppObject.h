#pragma once
// The application object every program has: its initialisation runs the program's main dialog
// modally and then ends the program. Each program defines one static instance.

#include "Application.h"
#include "CommandHandler.h"

namespace shell {

template <class MainDialogClass>
class AppObject : public Application {
public:
    AppObject() : Application(nullptr) {}

    const CommandTable<Application>* commandTable() const override { return &table; }

    bool initInstance() override
    {
        enableControlContainer(nullptr);
        enable3dControls();
        MainDialogClass dialog(nullptr);
        mainWindow = &dialog;
        dialog.doModal();  // IDOK and IDCANCEL alike end the program
        mainWindow = nullptr;
        return false;
    }

protected:
    static const CommandEntry<Application> entries[1];
    static const CommandTable<Application> table;
};

template <class MainDialogClass>
const CommandEntry<Application> AppObject<MainDialogClass>::entries[1] = {
    {WM_COMMAND, 0, kHelpCommand, kHelpCommand, handler<&Application::onHelp>},
};

template <class MainDialogClass>
const CommandTable<Application> AppObject<MainDialogClass>::table{&Application::baseTable, entries};

}  // namespace shell
