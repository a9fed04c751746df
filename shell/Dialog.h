#pragma once
// The dialog base: a dialog template run modally on the system's dialog manager, its messages
// routed through the dialog's command tables and then the application object's.

#include "AccessibleNames.h"
#include "CommandTable.h"
#include "Window.h"

#include <windows.h>

namespace shell {

class DataExchange;

class Dialog : public Window {
public:
    using CommandTarget = Dialog;

    // parent: the window the modal run is shown over; nullptr for the application's main window.
    Dialog(UINT templateId, Window* parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    virtual const CommandTable<Dialog>* commandTable() const;
    // The exchange list: one function for both directions.
    virtual void exchange(DataExchange& dx);
    // Names for a screen reader, given to the controls as the dialog opens; none by default.
    virtual AccessibleNames accessibleNames() const;
    // Runs the dialog and returns its end code (IDOK, IDCANCEL, ...; -1 when it cannot be shown).
    virtual INT_PTR doModal();
    // Runs one load exchange; true lets the dialog manager set the focus.
    virtual bool onInitDialog();
    // Saves the controls into the members and, if all could be read, ends the run with IDOK.
    virtual void onOK();
    // Ends the run with IDCANCEL.
    virtual void onCancel();

    // Runs the exchange list: save (controls to members) or load. A save stops at the first
    // control it cannot read, tells the user, puts the focus there and returns false.
    bool updateData(bool save);
    void endDialog(INT_PTR code);

protected:
    // Lets the dialog manager handle the message being dispatched, as if no handler had run.
    void passToDefault() { passToDefault_ = true; }

    static const CommandTable<Dialog> baseTable;  // IDOK to onOK, IDCANCEL to onCancel

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void reportUnreadable(int id);

    UINT templateId_;
    Window* parent_;
    bool passToDefault_ = false;
};

}  // namespace shell
