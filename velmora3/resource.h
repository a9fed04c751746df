#pragma once
// Control ids of velmora3's main dialog.

#define IDC_MEAN_TIME   1000
#define IDC_TIME        1001
#define IDC_RELIABILITY 1002
#define IDC_RUN         1003
#define IDC_X           1004
