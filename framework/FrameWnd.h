// A top-level frame: loaded from one resource id (title, icon, menu, accelerators), with a message
// line in its status bar, menu update on pop-up, and the layout of its status bar and first pane.
#pragma once
#include "framework/Wnd.h"

struct CCreateContext;

// Frame style bit: append the document's name to the title (no document here, so never acted on).
#define FWS_ADDTOTITLE          0x00008000L
// Private request to the frame: show string wParam (or the text at lParam) in the message line.
#define WM_SETMESSAGESTRING     0x0362

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const RECT rectDefault;

    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL IsFrameWnd() const override;
    void PostNcDestroy() override;

    // Lays the status bar along the bottom and the first pane over the rest of the client area.
    virtual void RecalcLayout();
    // The prompt of command nID: its string up to the first line feed; empty when there is none.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    CWnd* GetMessageBar() const;

    HACCEL m_hAccelTable;
    BOOL m_bAutoMenuEnable;     // grey menu items whose command has no handler
    CString m_strTitle;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    LPCSTR GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource);
};
