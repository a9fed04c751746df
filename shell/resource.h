#pragma once
// Resource and command ids every program shares.

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDR_MAINFRAME 128

// System-menu command of the About item; the system ignores its low four bits.
#define IDM_ABOUTBOX 0x0010

// The framework's own messages, in English and Russian.
#define IDS_ENTER_NUMBER 200
#define IDS_NO_HELP 201
#define IDS_OUT_OF_MEMORY 202
