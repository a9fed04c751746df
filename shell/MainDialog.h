#pragma once
// What every main dialog shares: the application icon, the About item in the system menu and the
// About box it opens, the icon painted while minimised and the icon as the drag image.
// About is the About box the system menu opens.

#include "AboutBox.h"
#include "Application.h"
#include "CommandHandler.h"
#include "Dialog.h"
#include "IconPosition.h"
#include "resource.h"

namespace shell {

static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX && IDM_ABOUTBOX < 0xF000,
              "the About command must leave the low four bits free and stay below the system's ids");

template <class About = AboutBox>
class MainDialog : public Dialog {
public:
    bool onInitDialog() override
    {
        Dialog::onInitDialog();
        if (const HMENU menu = systemMenu(false)) {
            const Application* app = Application::current();
            const Text about = loadString(app != nullptr ? app->instance() : nullptr, IDS_ABOUTBOX);
            if (!about.empty()) {
                ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
            }
        }
        setIcon(icon_, true);
        setIcon(icon_, false);
        return true;
    }

protected:
    explicit MainDialog(Window* parent)
        : Dialog(IDD_MAIN, parent),
          icon_(Application::current() != nullptr ? Application::current()->loadIcon(IDR_MAINFRAME) : nullptr)
    {
    }

    // The shell's rows, the base of every main dialog's own table.
    static const CommandEntry<Dialog> shellEntries[3];
    static const CommandTable<Dialog> shellTable;

    const CommandTable<Dialog>* commandTable() const override { return &shellTable; }

    void onSysCommand(UINT id, LPARAM /*param*/)
    {
        if ((id & 0xFFF0) == IDM_ABOUTBOX) {
            About about;
            about.doModal();
        } else {
            passToDefault();
        }
    }

    void onPaint()
    {
        if (!isMinimised()) {
            passToDefault();
            return;
        }
        const PaintContext paint(hwnd_);
        send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.handle()), 0);
        const SIZE client = clientSize();
        const Point at = centredIconPosition(client.cx, client.cy, ::GetSystemMetrics(SM_CXICON),
                                             ::GetSystemMetrics(SM_CYICON));
        paint.drawIcon(at.x, at.y, icon_);
    }

    HICON onQueryDragIcon() { return icon_; }

    HICON icon_;  // shared resource icon: never destroyed
};

template <class About>
const CommandEntry<Dialog> MainDialog<About>::shellEntries[3] = {
    {WM_SYSCOMMAND, 0, 0, 0, handler<&MainDialog::onSysCommand>},
    {WM_PAINT, 0, 0, 0, handler<&MainDialog::onPaint>},
    {WM_QUERYDRAGICON, 0, 0, 0, handler<&MainDialog::onQueryDragIcon>},
};

template <class About>
const CommandTable<Dialog> MainDialog<About>::shellTable{&Dialog::baseTable, shellEntries};

}  // namespace shell
