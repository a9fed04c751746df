#pragma once
// varnix's main dialog and its About box, both built from the main template. In the main window
// the edit box takes "Paint", "Calculator" and "Exit" as its instructions say, "&Test" and
// "&Clear" fill and empty it, the check boxes show and enable it; in the About window only
// "E&xit" acts, and it closes that window.

#include "Dialog.h"
#include "MainDialog.h"

class AboutBox : public shell::Dialog {
public:
    AboutBox();

    const shell::CommandTable<shell::Dialog>* commandTable() const override;
    shell::AccessibleNames accessibleNames() const override;

private:
    void onExit();
};

class TestDialog : public shell::MainDialog<AboutBox> {
public:
    explicit TestDialog(shell::Window* parent) : MainDialog(parent) {}

    const shell::CommandTable<shell::Dialog>* commandTable() const override;
    void exchange(shell::DataExchange& dx) override;
    shell::AccessibleNames accessibleNames() const override;

private:
    void onTest();
    void onClear();
    void onVisible();
    void onEnabled();
    void onChange();

    shell::Text editText;
    int editVisible = 1;  // ticked from the start, as the box is shown and enabled
    int editEnabled = 1;
};
