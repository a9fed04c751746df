#pragma once
// velmora4's main dialog: "SAY HELLO!" greets, "Beep" beeps, "EXIT" ends the program.

#include "MainDialog.h"

class GreetingDialog : public shell::MainDialog<> {
public:
    explicit GreetingDialog(shell::Window* parent) : MainDialog(parent) {}

    const shell::CommandTable<shell::Dialog>* commandTable() const override;
    void onOK() override;
    void onCancel() override;

private:
    void onBeep();
};
