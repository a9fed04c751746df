#pragma once
// Control ids of varnix's main dialog, which its About box shares.

#define IDC_EXIT 1000
#define IDC_TEST 1001
#define IDC_CLEAR 1002
#define IDC_EDIT 1003
#define IDC_VISIBLE 1004
#define IDC_ENABLED 1005
