// Resource and control ids of Velmora.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_VELMORA_DIALOG 102
#define IDD_DATE_SELECT 130

// Strings.
#define IDS_ABOUTBOX 101
#define IDP_SOCKETS_INIT_FAILED 103

// Icon.
#define IDR_MAINFRAME 128

// Controls of the main dialog.
#define IDC_LIST 1000
#define IDC_ADD 1001
#define IDC_UPDATE 1002
#define IDC_REMOVE 1003
#define IDC_HELP_BUTTON 1004
#define IDC_DATE 1006
#define IDC_TEXT 1007
#define IDC_CLEAR 1008
#define IDC_SELECT 1009
#define IDC_ENTRIES 1010
#define IDC_TITLE 1012
#define IDC_OUTPUT 1013
#define IDC_FOOTER 1045

// Controls of the date selection dialog.
#define IDC_CALENDAR 1053

// System menu command of the About box.
#define IDM_ABOUTBOX 0x0010
