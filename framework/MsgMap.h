// Message maps as data: each class has a table of entries and a pointer to its base class's table.
#pragma once
#include <windows.h>
#include <cstring>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

typedef void (CCmdTarget::*AFX_PMSG)();

// Command codes for OnCmdMsg besides control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (-1)

// How the dispatcher calls an entry's member function.
enum AfxSig : UINT {
    AfxSig_end = 0,

    // Commands and notifications (called on a CCmdTarget)
    AfxSigCmd_v,          // void ()                            ON_COMMAND, ON_CONTROL
    AfxSigCmd_b,          // BOOL (UINT nID)                    ON_COMMAND_EX
    AfxSigCmd_RANGE,      // void (UINT nID)                    ON_COMMAND_RANGE
    AfxSigCmdUI,          // void (CCmdUI*)                     ON_UPDATE_COMMAND_UI
    AfxSigNotify_v,       // void (NMHDR*, LRESULT*)            ON_NOTIFY
    AfxSigNotify_b,       // BOOL (UINT nID, NMHDR*, LRESULT*)  ON_NOTIFY_EX

    // Window messages (called on a CWnd)
    AfxSig_v_v,           // void ()
    AfxSig_i_CS,          // int (LPCREATESTRUCT)               WM_CREATE
    AfxSig_v_u_i_i,       // void (UINT, int, int)              WM_SIZE
    AfxSig_v_u_W_b,       // void (UINT, CWnd*, BOOL)           WM_ACTIVATE
    AfxSig_v_M_u_b,       // void (CMenu*, UINT, BOOL)          WM_INITMENUPOPUP
    AfxSig_v_u_u_h,       // void (UINT, UINT, HMENU)           WM_MENUSELECT
    AfxSig_v_u_W,         // void (UINT, CWnd*)                 WM_ENTERIDLE
    AfxSig_b_W_u_u,       // BOOL (CWnd*, UINT, UINT)           WM_SETCURSOR
    AfxSig_v_up,          // void (UINT_PTR)                    WM_TIMER
    AfxSig_v_b_u,         // void (BOOL, UINT)                  WM_SHOWWINDOW
    AfxSig_v_u_pt,        // void (UINT, POINT)                 mouse messages
    AfxSig_l_w_l,         // LRESULT (WPARAM, LPARAM)           ON_MESSAGE
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message
    UINT nCode;      // control or notification code (low word), CN_UPDATE_COMMAND_UI as (UINT)-1
    UINT nID;        // first control id (0 for window messages)
    UINT nLastID;    // last control id of a range
    UINT_PTR nSig;   // an AfxSig value
    AFX_PMSG pfn;    // member function, converted with AfxMsgPtr
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Answer of OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// pExtra of OnCmdMsg for WM_NOTIFY.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Member pointers of any signature share one storage type in the table; a plain cast between them
// is what -Wcast-function-type objects to, so the bits are copied instead.
template <class TPmf>
inline AFX_PMSG AfxMsgPtr(TPmf pfn)
{
    static_assert(sizeof(TPmf) == sizeof(AFX_PMSG), "member pointer sizes differ");
    AFX_PMSG pmsg;
    std::memcpy(&pmsg, &pfn, sizeof pmsg);
    return pmsg;
}

template <class TPmf>
inline TPmf AfxMsgPtrAs(AFX_PMSG pmsg)
{
    static_assert(sizeof(TPmf) == sizeof(AFX_PMSG), "member pointer sizes differ");
    TPmf pfn;
    std::memcpy(&pfn, &pmsg, sizeof pfn);
    return pfn;
}

// Entry of a map whose message, code and id match, or nullptr.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID);

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Commands and notifications
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, \
      AfxMsgPtr(static_cast<void (CCmdTarget::*)()>(&ThisClass::memberFxn)) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_b, \
      AfxMsgPtr(static_cast<BOOL (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
      AfxMsgPtr(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn)) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, \
      AfxMsgPtr(static_cast<void (CCmdTarget::*)()>(&ThisClass::memberFxn)) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, (UINT)CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSigCmdUI, \
      AfxMsgPtr(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn)) },
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, \
      AfxMsgPtr(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn)) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_b, \
      AfxMsgPtr(static_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(&ThisClass::memberFxn)) },

// Window messages
#define ON_MESSAGE(message, memberFxn) \
    { (UINT)(message), 0, 0, 0, AfxSig_l_w_l, \
      AfxMsgPtr(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn)) },

#define AFX_ON_WM_V_V(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_v_v, AfxMsgPtr(static_cast<void (CWnd::*)()>(&ThisClass::memberFxn)) },

#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, 0, AfxSig_i_CS, \
      AfxMsgPtr(static_cast<int (CWnd::*)(LPCREATESTRUCT)>(&ThisClass::OnCreate)) },
#define ON_WM_DESTROY() AFX_ON_WM_V_V(WM_DESTROY, OnDestroy)
#define ON_WM_CLOSE() AFX_ON_WM_V_V(WM_CLOSE, OnClose)
#define ON_WM_PAINT() AFX_ON_WM_V_V(WM_PAINT, OnPaint)
#define ON_WM_SIZE() \
    { WM_SIZE, 0, 0, 0, AfxSig_v_u_i_i, AfxMsgPtr(static_cast<void (CWnd::*)(UINT, int, int)>(&ThisClass::OnSize)) },
#define ON_WM_ACTIVATE() \
    { WM_ACTIVATE, 0, 0, 0, AfxSig_v_u_W_b, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, CWnd*, BOOL)>(&ThisClass::OnActivate)) },
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, AfxSig_v_M_u_b, \
      AfxMsgPtr(static_cast<void (CWnd::*)(CMenu*, UINT, BOOL)>(&ThisClass::OnInitMenuPopup)) },
#define ON_WM_MENUSELECT() \
    { WM_MENUSELECT, 0, 0, 0, AfxSig_v_u_u_h, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, UINT, HMENU)>(&ThisClass::OnMenuSelect)) },
#define ON_WM_ENTERIDLE() \
    { WM_ENTERIDLE, 0, 0, 0, AfxSig_v_u_W, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, CWnd*)>(&ThisClass::OnEnterIdle)) },
#define ON_WM_SETCURSOR() \
    { WM_SETCURSOR, 0, 0, 0, AfxSig_b_W_u_u, \
      AfxMsgPtr(static_cast<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(&ThisClass::OnSetCursor)) },
#define ON_WM_TIMER() \
    { WM_TIMER, 0, 0, 0, AfxSig_v_up, AfxMsgPtr(static_cast<void (CWnd::*)(UINT_PTR)>(&ThisClass::OnTimer)) },
#define ON_WM_SHOWWINDOW() \
    { WM_SHOWWINDOW, 0, 0, 0, AfxSig_v_b_u, \
      AfxMsgPtr(static_cast<void (CWnd::*)(BOOL, UINT)>(&ThisClass::OnShowWindow)) },
#define ON_WM_MOUSEMOVE() \
    { WM_MOUSEMOVE, 0, 0, 0, AfxSig_v_u_pt, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, POINT)>(&ThisClass::OnMouseMove)) },
#define ON_WM_LBUTTONDOWN() \
    { WM_LBUTTONDOWN, 0, 0, 0, AfxSig_v_u_pt, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, POINT)>(&ThisClass::OnLButtonDown)) },
#define ON_WM_LBUTTONUP() \
    { WM_LBUTTONUP, 0, 0, 0, AfxSig_v_u_pt, \
      AfxMsgPtr(static_cast<void (CWnd::*)(UINT, POINT)>(&ThisClass::OnLButtonUp)) },
