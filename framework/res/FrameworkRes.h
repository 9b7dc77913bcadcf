// Identifiers the framework defines for every program: standard commands, window ids,
// status-bar indicators and the framework's own texts. Plain #defines: read by windres too.
#pragma once

// Standard commands
#define ID_SEPARATOR                0
#define ID_EDIT_CLEAR               57632
#define ID_EDIT_CLEAR_ALL           57633
#define ID_EDIT_COPY                57634
#define ID_EDIT_CUT                 57635
#define ID_EDIT_FIND                57636
#define ID_EDIT_PASTE               57637
#define ID_EDIT_REPEAT              57640
#define ID_EDIT_REPLACE             57641
#define ID_EDIT_SELECT_ALL          57642
#define ID_EDIT_UNDO                57643
#define ID_EDIT_REDO                57644
#define ID_WINDOW_SPLIT             57653
#define ID_APP_ABOUT                57664
#define ID_APP_EXIT                 57665
#define ID_NEXT_PANE                57680
#define ID_PREV_PANE                57681
#define ID_VIEW_STATUS_BAR          59393

// Status-bar indicators (their ids are also their texts' string ids)
#define ID_INDICATOR_EXT            59136
#define ID_INDICATOR_CAPS           59137
#define ID_INDICATOR_NUM            59138
#define ID_INDICATOR_SCRL           59139
#define ID_INDICATOR_OVR            59140
#define ID_INDICATOR_REC            59141
#define ID_INDICATOR_KANA           59142

// Window ids inside a frame
#define AFX_IDW_STATUS_BAR          59393
#define AFX_IDW_PANE_FIRST          59648

// Texts every program supplies for the framework
#define AFX_IDS_APP_TITLE           57344
#define AFX_IDS_IDLEMESSAGE         57345

// The framework's own texts (framework/res/Framework.rc)
// System-menu prompts
#define AFX_IDS_SCSIZE              61184
#define AFX_IDS_SCMOVE              61185
#define AFX_IDS_SCMINIMIZE          61186
#define AFX_IDS_SCMAXIMIZE          61187
#define AFX_IDS_SCNEXTWINDOW        61188
#define AFX_IDS_SCPREVWINDOW        61189
#define AFX_IDS_SCCLOSE             61190
#define AFX_IDS_SCRESTORE           61202
#define AFX_IDS_SCTASKLIST          61203
// Control bars
#define AFX_IDS_HIDE                61457
// Exceptions
#define AFX_IDP_NO_ERROR_AVAILABLE  61472
#define AFX_IDP_NOT_SUPPORTED       61473
#define AFX_IDP_RESOURCE_FAILURE    61474
#define AFX_IDP_FAILED_MEMORY_ALLOC 61475
#define AFX_IDP_USER_EXCEPTION      61476
// Commands and internal failures
#define AFX_IDP_INTERNAL_FAILURE    61704
#define AFX_IDP_COMMAND_FAILURE     61705
#define AFX_IDP_FAILED_TO_LOAD_LIB  61709
#define AFX_IDP_FAILED_TO_FIND_PROC 61710
// Dialog data validation
#define AFX_IDP_PARSE_INT           61712
#define AFX_IDP_PARSE_REAL          61713
#define AFX_IDP_PARSE_INT_RANGE     61714
#define AFX_IDP_PARSE_REAL_RANGE    61715
#define AFX_IDP_PARSE_STRING_SIZE   61716
#define AFX_IDP_PARSE_RADIO_BUTTON  61717
#define AFX_IDP_PARSE_BYTE          61718
#define AFX_IDP_PARSE_UINT          61719
