// Identifiers of Pelmo's resources, commands and controls. Plain #defines: read by windres too.
#pragma once

#include "framework/res/FrameworkRes.h"

// Frame resource set: menu, accelerators, icon and title string
#define IDR_MAINFRAME               128

// Dialogs
#define IDD_ABOUTBOX                100
#define IDD_NOTICE                  151

// Bitmaps
#define IDB_ABOUT_GRID              131
#define IDB_ABOUT_PICTURE           132

// Strings: the game texts
#define IDS_HINT_HERE               1001
#define IDS_HINT_NEXT               1002
#define IDS_REMAINING               1003
#define IDS_CLEARED                 1004
#define IDS_START_LINE1             1005
#define IDS_START_LINE2             1006
#define IDS_RESULT_LINE1            1007
#define IDS_RESULT_LINE2            1008
#define IDS_START_BUTTON            1009
#define IDS_RESULT_BUTTON           1010
#define IDS_START_CAPTION           1011
#define IDS_RESULT_CAPTION          1012

// Controls
#define IDC_NOTICE_LINE1            1013
#define IDC_NOTICE_LINE2            1014
// Number buttons take IDC_NUMBER_BASE + position (1 .. N*N); no resource
#define IDC_NUMBER_BASE             5000

// Commands
#define ID_GAME_RETRY               32771
#define ID_GAME_2X2                 32772
#define ID_GAME_3X3                 32773
#define ID_GAME_4X4                 32774
#define ID_GAME_5X5                 32775
#define ID_VIEW_RANKING             32776
#define ID_VIEW_NAVIGATION          32777

// Private messages: the board tells the frame that the grid is cleared
#define WM_GAMECLEARED              (WM_USER + 20)
