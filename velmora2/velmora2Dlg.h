#pragma once
// velmora2's main dialog: "1" in the field starts the paint program, "2" the calculator; the
// buttons fill or empty the field, the check boxes show and enable it, "Сваливаем!!!" leaves.

#include "MainDialog.h"

class LauncherDialog : public shell::MainDialog<> {
public:
    explicit LauncherDialog(shell::Window* parent) : MainDialog(parent) {}

    const shell::CommandTable<shell::Dialog>* commandTable() const override;
    void exchange(shell::DataExchange& dx) override;
    // Ticks both boxes and loads the controls; no About item and no window icons.
    bool onInitDialog() override;

private:
    void onClear();
    void onTest();
    void onBailOut();
    void onVisible();
    void onEnabled();
    void onChange();

    shell::Button testButton;
    shell::Text fieldText;
    int fieldVisible = 0;
    int fieldEnabled = 0;
};
