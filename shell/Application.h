#pragma once
// The framework's application object: one static instance per program, started by the program
// entry; its initialisation runs the program. Commands that no dialog handles come here last.

#include "CommandTable.h"
#include "Window.h"

#include <windows.h>

namespace shell {

class Dialog;

inline constexpr UINT kHelpCommand = 0xE146;

class Application {
public:
    using CommandTarget = Application;

    // A null name stands for the program's name, taken from its executable's file name.
    explicit Application(const wchar_t* name = nullptr);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    virtual const CommandTable<Application>* commandTable() const;
    virtual bool initInstance();

    // Framework start: records the start-up values and runs the initialisation.
    int start(HINSTANCE instance, const wchar_t* commandTail, int showCommand);

    HINSTANCE instance() const { return instance_; }
    const wchar_t* name() const { return name_.c_str(); }
    const wchar_t* commandTail() const { return commandTail_; }
    int showCommand() const { return showCommand_; }

    HICON loadIcon(UINT id) const;
    // Both exist for the programs' start-up sequence; current systems draw 3-D controls and host
    // no control containers in these programs, so there is nothing left for them to do.
    void enable3dControls() {}
    void enableControlContainer(void* /*site*/) {}

    void onHelp();

    Dialog* mainWindow = nullptr;  // not owned: the dialog the initialisation runs

    static Application* current();
    static const CommandTable<Application> baseTable;  // no rows of its own

private:
    HINSTANCE instance_;
    Text name_;
    const wchar_t* commandTail_ = L"";
    int showCommand_ = SW_SHOWDEFAULT;
};

// The framework's message box: a null caption shows the program's name.
int messageBox(HWND owner, const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);

}  // namespace shell
