#pragma once
// varnix, the test program: its application object, which ends the program for "E&xit" in the
// main window. The About box handles its own "E&xit" first, so this entry never reaches it.

#include "AppObject.h"
#include "varnixDlg.h"

class AppObject : public shell::AppObject<TestDialog> {
public:
    const shell::CommandTable<shell::Application>* commandTable() const override;

private:
    void onExit();
};

extern AppObject theApp;
