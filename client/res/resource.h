// Resource identifiers of Quillpost, shared by the code and the resource
// tables.  The numbers are fixed: the program's templates, menus, images and
// strings are looked up by them.
#pragma once

// Dialog templates
#define IDD_QUILLPOST_DIALOG 102 // the main window
#define IDD_SPEED_DIALOG 138     // scroll speed
#define IDD_ALERT_DIALOG 174     // login error

// Menus: each holds one pop-up whose items are the commands below
#define IDR_MENU_TICKER 139
#define IDR_MENU_TRAY 140
#define IDR_MENU_FILE 141

// Icons
#define IDR_MAINFRAME 128 // the program file's own icon (16 x 16 and 32 x 32)
#define IDI_TRAY_LOGIN 154
#define IDI_TRAY_LOGOUT 155
#define IDI_TRAY_ANIM_FIRST 159 // six animation frames, 159 to 164
#define IDI_TRAY_ANIM_2 160
#define IDI_TRAY_ANIM_3 161
#define IDI_TRAY_ANIM_4 162
#define IDI_TRAY_ANIM_5 163
#define IDI_TRAY_ANIM_LAST 164

// Cursor: the pointing hand over the skin buttons and the ticker
#define IDC_POINTER_HAND 157

// Bitmaps: skin button faces (normal, and lit while the pointer is over them)
#define IDB_CLOSE 131
#define IDB_FILE 132
#define IDB_HELP 133
#define IDB_NEWSLIST 134
#define IDB_MINIMIZE 135
#define IDB_FUNCTIONS 136
#define IDB_SEARCH 137
#define IDB_MINIMIZE_OVER 142
#define IDB_FUNCTIONS_OVER 143
#define IDB_SEARCH_OVER 144
#define IDB_CLOSE_OVER 145
#define IDB_HELP_OVER 146
#define IDB_NEWSLIST_OVER 147
#define IDB_FILE_OVER 148
#define IDB_TICKER_BUTTON 150 // start and stop the ticker
#define IDB_TICKER_FRAME 173  // the frame around the ticker
#define IDB_NOTIFIER_SKIN 180 // the pop-up notifier; magenta marks what is cut away

// Strings
#define IDS_SOCKETS_INIT_FAILED 103 // "Windows 소켓 초기화에 실패하였습니다."

// Controls of the main window (template 102)
#define IDC_BROWSER_MAIN 1000
#define IDC_BROWSER_BANNER 1001
#define IDC_BTN_FILE 1002
#define IDC_BTN_SEARCH 1003
#define IDC_BTN_NEWSLIST 1004
#define IDC_BTN_FUNCTIONS 1005
#define IDC_BTN_HELP 1006
#define IDC_BTN_CLOSE 1007
#define IDC_BTN_MINIMIZE 1008
#define IDC_TICKER 1009
#define IDC_BTN_TICKER 1014
#define IDC_TICKER_FRAME 1015

// Controls of the scroll-speed dialog (template 138)
#define IDC_EDIT_SPEED 1010
#define IDC_SPIN_SPEED 1013

// Menu commands
#define ID_TICKER_COLOR 32771 // "글자색"
#define ID_TICKER_FONT 32773  // "글자 폰트"
#define ID_TICKER_SPEED 32774 // "스크롤 속도"
#define ID_TRAY_OPEN 32775    // "열기"
#define ID_TRAY_EXIT 32776    // "종료"
#define ID_FILE_LOGIN 32777   // "로그인 (&I)"
#define ID_FILE_LOGOUT 32778  // "로그아웃 (&N)"
#define ID_FILE_CLOSE 32781   // "닫기 (C)"
