#include "Window.h"

namespace shell {

Window Window::child(int id) const
{
    return Window(hwnd_ != nullptr ? ::GetDlgItem(hwnd_, id) : nullptr);
}

void Window::show(int command) const
{
    if (hwnd_ != nullptr)
        ::ShowWindow(hwnd_, command);
}

void Window::enable(bool enabled) const
{
    if (hwnd_ != nullptr)
        ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Window::isMinimised() const
{
    return hwnd_ != nullptr && ::IsIconic(hwnd_) != FALSE;
}

SIZE Window::clientSize() const
{
    RECT rect{};
    if (hwnd_ == nullptr || !::GetClientRect(hwnd_, &rect))
        return {0, 0};
    return {rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT Window::send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return hwnd_ != nullptr ? ::SendMessageW(hwnd_, message, wParam, lParam) : 0;
}

void Window::setIcon(HICON icon, bool big) const
{
    send(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HMENU Window::systemMenu(bool revert) const
{
    return hwnd_ != nullptr ? ::GetSystemMenu(hwnd_, revert ? TRUE : FALSE) : nullptr;
}

Text Window::text() const
{
    if (hwnd_ == nullptr)
        return {};
    const int length = ::GetWindowTextLengthW(hwnd_);
    if (length <= 0)
        return {};
    Text text = Text::withLength(static_cast<size_t>(length));
    const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
    text.shorten(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
    return text;
}

void Window::setText(const Text& text) const
{
    if (hwnd_ != nullptr)
        ::SetWindowTextW(hwnd_, text.c_str());
}

PaintContext::PaintContext(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}

PaintContext::~PaintContext()
{
    ::EndPaint(window_, &paint_);
}

void PaintContext::drawIcon(int x, int y, HICON icon) const
{
    if (dc_ != nullptr)
        ::DrawIcon(dc_, x, y, icon);
}

Text loadString(HINSTANCE module, UINT id)
{
    // With a zero length LoadStringW hands out a read-only pointer to the resource itself.
    const wchar_t* resource = nullptr;
    const int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr)
        return {};
    return std::wstring_view(resource, static_cast<size_t>(length));
}

}  // namespace shell
