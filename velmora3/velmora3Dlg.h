#pragma once
// velmora3's main dialog: the user enters the mean time Tst and the time T, RUN has the model
// check them and compute the reliability P, and X ends the program.

#include "MainDialog.h"
#include "ReliabilityModel.h"

class ReliabilityDialog : public shell::MainDialog<> {
public:
    explicit ReliabilityDialog(shell::Window* parent) : MainDialog(parent) {}

    const shell::CommandTable<shell::Dialog>* commandTable() const override;
    void exchange(shell::DataExchange& dx) override;
    shell::AccessibleNames accessibleNames() const override;

    // The numbers of the latest exchange; after a refusal the model holds an older T or Tst.
    double valueTst = 0.0;
    double valueT = 0.0;
    double valueP = 0.0;

private:
    void onRun();
    void onX();
};

// The program's one model, used by RUN; zero-filled static storage, no code constructs it.
extern ReliabilityModel reliabilityModel;
