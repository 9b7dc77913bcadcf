// A window: the C++ object behind an HWND, receiving its messages through the framework's window procedure.
#pragma once
#include "framework/CmdTarget.h"
#include "framework/String.h"

#include <commctrl.h>

class CMenu;
struct CCreateContext;

// The window procedure of every window the framework creates or subclasses.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The next window created on this thread is attached to pWnd (and subclassed when its class has
// another window procedure). Returns FALSE from Unhook when no window was created meanwhile.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;    // destroys a window still attached

    HWND m_hWnd;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Handle map: permanent objects are those attached; others get a temporary wrapper
    // that AfxDeleteTempMap frees.
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                          int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL DestroyWindow();

    // Message handling
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual BOOL IsFrameWnd() const;

    // Offers pMsg to PreTranslateMessage of the window it is for and of its parents up to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // The message being handled, passed to the default procedure.
    LRESULT Default();

    // Window operations
    BOOL ShowWindow(int nCmdShow);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL bRepaint = TRUE);
    CWnd* GetParent() const;
    CWnd* GetParentFrame() const;    // nearest parent whose IsFrameWnd() is TRUE
    int GetDlgCtrlID() const;
    CWnd* GetDlgItem(int nID) const;
    BOOL PostMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetWindowText(LPCSTR lpszString);
    void GetWindowText(CString& rString) const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void UpdateWindow();
    void Invalidate(BOOL bErase = TRUE);
    CMenu* GetMenu() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

    // Tooltips for the child windows; may be called before the window exists.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    BOOL m_bToolTipsEnabled;
    // The tool under point (client coordinates): the first visible child with an id whose window
    // rectangle holds the point, as a callback tool named by its handle; -1 when none.
    virtual INT_PTR OnToolHitTest(POINT point, TOOLINFOA* pTI) const;
    // Hides the tip on screen; it comes back only when the pointer reaches another tool.
    static void CancelToolTips();

protected:
    // Default handlers of the ON_WM_ entries: each hands the message to Default().
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnClose();
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT nMsg);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonUp(UINT nFlags, POINT point);

    WNDPROC m_pfnSuper;    // the class's own procedure of a subclassed window, else nullptr

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    friend LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    void AttachSubclassing(HWND hWnd);
    void OnNcDestroyed();

    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
