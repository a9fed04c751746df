#pragma once
// Names a screen reader speaks for controls whose name the system cannot take from the template
// (an edit box whose label comes after it in z-order). A dialog lists them as data; when it opens,
// each listed control answers Active Accessibility with that name, the rest stays the system's.

#include <windows.h>

#include <cstddef>

namespace shell {

struct AccessibleName {
    int id;                                // the control
    const wchar_t* name;                   // what a screen reader says the control is
    const wchar_t* description = nullptr;  // longer help; nullptr keeps the system's
};

// A dialog's rows; empty for a dialog whose controls the system names by itself.
struct AccessibleNames {
    const AccessibleName* rows = nullptr;
    std::size_t count = 0;

    constexpr AccessibleNames() = default;
    template <std::size_t N>
    constexpr explicit AccessibleNames(const AccessibleName (&table)[N]) : rows(table), count(N)
    {
    }
};

// Gives each listed control of the dialog its name, once its controls exist. The rows are not
// copied: they must outlive the dialog (static tables). Ids the dialog lacks are skipped.
void applyAccessibleNames(HWND dialog, AccessibleNames names);

}  // namespace shell
