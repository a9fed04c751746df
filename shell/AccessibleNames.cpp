#include "AccessibleNames.h"

#include "NamedAccessible.h"

namespace shell {

namespace {

// A named control keeps its row and the procedure it had before in two window properties.
constexpr const wchar_t* kRowProperty = L"shell.AccessibleName";
constexpr const wchar_t* kPreviousProperty = L"shell.AccessibleName.previous";

LRESULT CALLBACK namedControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(control, kPreviousProperty));
    // The object id is a DWORD: on 64-bit the lParam of OBJID_CLIENT (-4) may come sign-extended or not.
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const auto* row = static_cast<const AccessibleName*>(::GetPropW(control, kRowProperty))) {
            if (const LRESULT answer = namedAccessibleResult(control, wParam, *row); answer > 0)
                return answer;
        }
    } else if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        ::RemovePropW(control, kRowProperty);
        ::RemovePropW(control, kPreviousProperty);
    }
    return previous != nullptr ? ::CallWindowProcW(previous, control, message, wParam, lParam)
                               : ::DefWindowProcW(control, message, wParam, lParam);
}

void nameControl(HWND control, const AccessibleName& row)
{
    auto* rowData = const_cast<AccessibleName*>(&row);  // only ever read back as const
    if (::GetPropW(control, kRowProperty) != nullptr) {
        ::SetPropW(control, kRowProperty, rowData);  // named before: one subclass, the new row
        return;
    }
    // The previous procedure is in place before the new one can run.
    const LONG_PTR previous = ::GetWindowLongPtrW(control, GWLP_WNDPROC);
    if (previous == 0 || !::SetPropW(control, kPreviousProperty, reinterpret_cast<HANDLE>(previous))
        || !::SetPropW(control, kRowProperty, rowData)) {
        ::RemovePropW(control, kPreviousProperty);
        return;
    }
    ::SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&namedControlProcedure));
}

}  // namespace

void applyAccessibleNames(HWND dialog, AccessibleNames names)
{
    for (std::size_t i = 0; i < names.count; ++i) {
        if (const HWND control = ::GetDlgItem(dialog, names.rows[i].id))
            nameControl(control, names.rows[i]);
    }
}

}  // namespace shell
