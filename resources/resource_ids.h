// Resource and control ids shared by the programs' code and their .rc files.
#pragma once

// Both programs' dialogs are template 102 in their own program file.
#define IDD_MAIN_DIALOG 102

// The application icon: window icons, minimised painting, drag icon.
#define IDR_MAINFRAME 128
// The picture at the dialogs' top left.
#define IDI_INSTALL_PICTURE 129
#define IDI_REMOVE_PICTURE 132

// Install: current-setting boxes (read-only), new-setting boxes, "Path:".
#define IDC_CUR_DESKTOP 1001
#define IDC_CUR_STARTMENU 1006
#define IDC_CUR_PROGRAMS 1007
#define IDC_NEW_DESKTOP 1009
#define IDC_NEW_STARTMENU 1010
#define IDC_NEW_PROGRAMS 1011
#define IDC_PATH 1013

// UnInstall: the message list.
#define IDC_MESSAGES 1000
