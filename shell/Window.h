#pragma once
// A non-owning view of a window and the helpers the dialogs use. Every helper accepts a null
// handle (a child id the template lacks, a window already gone) and then does nothing.

#include "Text.h"

#include <windows.h>

namespace shell {

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : hwnd_(handle) {}

    HWND handle() const { return hwnd_; }
    void attach(HWND handle) { hwnd_ = handle; }

    Window child(int id) const;
    void show(int command) const;
    void enable(bool enabled) const;
    bool isMinimised() const;
    SIZE clientSize() const;
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void setIcon(HICON icon, bool big) const;
    HMENU systemMenu(bool revert) const;
    Text text() const;
    void setText(const Text& text) const;

protected:
    HWND hwnd_ = nullptr;
};

// The window object a control binding attaches to a push button.
class Button : public Window {
};

// A paint context for one WM_PAINT, released when it goes out of scope.
class PaintContext {
public:
    explicit PaintContext(HWND window);
    ~PaintContext();
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HDC handle() const { return dc_; }
    void drawIcon(int x, int y, HICON icon) const;

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A string from the module's string table; empty if it has none of that id.
Text loadString(HINSTANCE module, UINT id);

}  // namespace shell
