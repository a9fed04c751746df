#include "DialogRun.h"

#include <atomic>
#include <thread>

namespace wt {
namespace {

constexpr UINT kSyncMessage = WM_APP + 1;

// State shared with the UI thread's window procedure and timer (plain callbacks, no captures).
std::atomic<bool> finishRequested{false};
std::atomic<long> syncsHandled{0};
std::atomic<long> syncsPosted{0};
HWND syncWindow = nullptr;

LRESULT CALLBACK syncProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kSyncMessage) {
        syncsHandled = static_cast<long>(wParam);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Fires inside whatever modal loop is running; once the script is done it ends every dialog of
// the thread, the innermost (topmost) first.
void CALLBACK finishTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!finishRequested)
        return;
    for (HWND window : threadWindows(::GetCurrentThreadId())) {
        if (className(window) == L"#32770")
            ::EndDialog(window, kLeftOpen);
    }
}

HWND createSyncWindow()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = syncProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"wt.sync";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(0, L"wt.sync", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

void Ui::setText(int id, const std::wstring& value) const
{
    ::SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void Ui::setFocus(int id) const
{
    ::PostMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(id)), TRUE);
    sync();
}

void Ui::sync() const
{
    const long ticket = ++syncsPosted;
    ::PostMessageW(syncWindow, kSyncMessage, static_cast<WPARAM>(ticket), 0);
    waitFor([ticket] { return syncsHandled >= ticket; });
}

HWND Ui::waitForWindow(const std::function<bool(HWND)>& matches) const
{
    HWND found = nullptr;
    waitFor([&] {
        for (HWND window : threadWindows(uiThread_)) {
            if (window != dialog_ && matches(window)) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

HWND Ui::waitForOtherDialog() const
{
    return waitForWindow([](HWND window) { return className(window) == L"#32770"; });
}

bool Ui::waitUntilClosed() const
{
    return waitFor([this] { return !open(); });
}

INT_PTR runDialog(const std::function<INT_PTR()>& modal, const std::function<void(Ui&)>& script, DWORD timeoutMs)
{
    finishRequested = false;
    syncsHandled = 0;
    syncsPosted = 0;
    if (syncWindow == nullptr)
        syncWindow = createSyncWindow();

    Ui ui(::GetCurrentThreadId());
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, finishTimer);
    std::atomic<bool> driverDone{false};
    std::thread driver([&] {
        waitFor([&] { return (ui.dialog_ = firstDialog(threadWindows(ui.uiThread_))) != nullptr; }, timeoutMs);
        if (ui.dialog_ != nullptr) {
            ui.sync();  // the initialisation has finished
            script(ui);
        }
        finishRequested = true;
        driverDone = true;
    });
    // Guard: a script stuck waiting still gets its dialog ended after the time-out.
    std::thread guard([&] {
        waitFor([] { return finishRequested.load(); }, timeoutMs);
        finishRequested = true;
    });
    const INT_PTR result = modal();
    // A script may still be checking what follows the end of the run; keep its syncs answered.
    MSG message;
    while (!driverDone) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    driver.join();
    guard.join();
    ::KillTimer(nullptr, timer);
    // Let the next run start from a clean queue.
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
    return result;
}

INT_PTR runAsMainWindow(shell::Application& app, shell::Dialog& dialog, const std::function<void(Ui&)>& script,
                        DWORD timeoutMs)
{
    app.mainWindow = &dialog;
    const INT_PTR result = runDialog([&] { return dialog.doModal(); }, script, timeoutMs);
    app.mainWindow = nullptr;
    return result;
}

}  // namespace wt
