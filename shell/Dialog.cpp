#include "Dialog.h"

#include "Application.h"
#include "CommandHandler.h"
#include "DataExchange.h"
#include "FrameworkMessage.h"
#include "resource.h"

namespace shell {

namespace {

constexpr CommandEntry<Dialog> baseEntries[] = {
    {WM_COMMAND, BN_CLICKED, IDOK, IDOK, handler<&Dialog::onOK>},
    {WM_COMMAND, BN_CLICKED, IDCANCEL, IDCANCEL, handler<&Dialog::onCancel>},
};

}  // namespace

const CommandTable<Dialog> Dialog::baseTable{nullptr, baseEntries};

Dialog::Dialog(UINT templateId, Window* parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

const CommandTable<Dialog>* Dialog::commandTable() const
{
    return &baseTable;
}

void Dialog::exchange(DataExchange& /*dx*/) {}

AccessibleNames Dialog::accessibleNames() const
{
    return {};
}

INT_PTR Dialog::doModal()
{
    // Without a parent the run is owned by the main window, unless this is the main window.
    HWND owner = parent_ != nullptr ? parent_->handle() : nullptr;
    if (parent_ == nullptr) {
        if (const Application* app = Application::current(); app != nullptr && app->mainWindow != this
                                                              && app->mainWindow != nullptr)
            owner = app->mainWindow->handle();
    }
    const Application* app = Application::current();
    const HINSTANCE instance = app != nullptr ? app->instance() : ::GetModuleHandleW(nullptr);
    return ::DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId_), owner, &Dialog::procedure,
                             reinterpret_cast<LPARAM>(this));
}

bool Dialog::onInitDialog()
{
    updateData(false);
    return true;
}

void Dialog::onOK()
{
    if (updateData(true))
        endDialog(IDOK);
}

void Dialog::onCancel()
{
    endDialog(IDCANCEL);
}

bool Dialog::updateData(bool save)
{
    DataExchange dx(hwnd_, save);
    exchange(dx);
    if (!dx.failed())
        return true;
    reportUnreadable(dx.failedId());
    return false;
}

void Dialog::reportUnreadable(int id)
{
    messageBox(hwnd_, FrameworkMessage(IDS_ENTER_NUMBER).text(), nullptr, MB_OK | MB_ICONEXCLAMATION);
    const Window box = child(id);
    if (box.handle() == nullptr)
        return;
    send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box.handle()), TRUE);
    box.send(EM_SETSEL, 0, -1);
}

void Dialog::endDialog(INT_PTR code)
{
    if (hwnd_ != nullptr)
        ::EndDialog(hwnd_, code);
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        if (dialog == nullptr)
            return FALSE;
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->attach(window);
        applyAccessibleNames(window, dialog->accessibleNames());
        return dialog->onInitDialog() ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr)  // messages before WM_INITDIALOG
        return FALSE;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        dialog->attach(nullptr);
        return FALSE;
    }
    return dialog->dispatch(message, wParam, lParam);
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const unsigned code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const unsigned id = message == WM_COMMAND ? LOWORD(wParam) : 0;

    if (const auto* entry = findCommand(commandTable(), message, code, id)) {
        const bool outerPass = passToDefault_;
        passToDefault_ = false;
        const std::intptr_t result = entry->handler(*this, wParam, lParam);
        const bool handled = !passToDefault_;
        passToDefault_ = outerPass;
        if (!handled)
            return FALSE;
        // Dialog procedures return these results directly; for the rest TRUE means handled.
        return message == WM_QUERYDRAGICON ? static_cast<INT_PTR>(result) : TRUE;
    }
    if (message == WM_COMMAND) {
        if (Application* app = Application::current()) {
            if (const auto* entry = findCommand(app->commandTable(), message, code, id)) {
                entry->handler(*app, wParam, lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

}  // namespace shell
