#pragma once
// The Active Accessibility object of a named control: the system's standard object for the
// control, with the name (and description) of its row in place of the standard ones.

#include "AccessibleNames.h"

#include <windows.h>

namespace shell {

// The answer to the control's WM_GETOBJECT for OBJID_CLIENT (flags: the message's wParam); 0 when
// the object cannot be made, so the control answers as it would have.
LRESULT namedAccessibleResult(HWND control, WPARAM flags, const AccessibleName& row);

}  // namespace shell
