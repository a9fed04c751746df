#pragma once
// Control ids of velmora2's main dialog.

#define IDC_FIELD 1000
#define IDC_BAIL_OUT 1001
#define IDC_VISIBLE 1002
#define IDC_ENABLED 1003
