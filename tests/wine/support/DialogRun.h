#pragma once
// Runs a modal dialog on the test's main thread, the real dialog manager's loop included, while a
// driver thread plays a script against it. When the script returns (or the time-out passes) any
// window still open is ended from inside the modal loop, so a failing script never hangs a test.

#include "Driver.h"

#include "Application.h"
#include "Dialog.h"

#include <windows.h>

#include <functional>

namespace wt {

// End code of a dialog that the harness had to end because the script left it open.
inline constexpr INT_PTR kLeftOpen = -2;

class Ui {
public:
    explicit Ui(DWORD uiThread) : uiThread_(uiThread) {}

    // The dialog the modal run shows (the first dialog window of the UI thread).
    HWND dialog() const { return dialog_; }
    HWND item(int id) const { return wt::item(dialog_, id); }
    std::wstring text(int id) const { return wt::text(item(id)); }
    void setText(int id, const std::wstring& value) const;  // as a paste of the whole text
    HWND focus() const { return focusOf(uiThread_); }
    int focusId() const { return controlId(focus()); }

    void click(int id) const { wt::clickItem(dialog_, id); }
    void key(UINT virtualKey) const { wt::key(focus(), virtualKey); }
    void type(const std::wstring& characters) const { wt::type(focus(), characters); }
    void mnemonic(wchar_t letter) const { wt::mnemonic(focus(), letter); }
    void systemCommand(UINT id) const { wt::systemCommand(dialog_, id); }
    void setFocus(int id) const;

    // Returns once the UI thread has handled everything posted to it before the call.
    void sync() const;

    // A new visible dialog window of the UI thread (a message box, an About box), or null.
    HWND waitForWindow(const std::function<bool(HWND)>& matches) const;
    HWND waitForOtherDialog() const;
    // Whether the dialog is still open.
    bool open() const { return ::IsWindow(dialog_) != FALSE; }
    bool waitUntilClosed() const;

    DWORD uiThread() const { return uiThread_; }

private:
    friend INT_PTR runDialog(const std::function<INT_PTR()>&, const std::function<void(Ui&)>&, DWORD);
    DWORD uiThread_;
    HWND dialog_ = nullptr;
};

// modal: runs the dialog (e.g. [&] { return dialog.doModal(); }) and returns its end code.
INT_PTR runDialog(const std::function<INT_PTR()>& modal, const std::function<void(Ui&)>& script,
                  DWORD timeoutMs = 30000);

// Runs a program's main dialog as its application object does: as the main window, modally.
INT_PTR runAsMainWindow(shell::Application& app, shell::Dialog& dialog, const std::function<void(Ui&)>& script,
                        DWORD timeoutMs = 30000);

}  // namespace wt
