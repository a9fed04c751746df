#pragma once
// Control ids of velmora4's main dialog.

#define IDC_BEEP 1000
