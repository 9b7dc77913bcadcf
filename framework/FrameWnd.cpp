#include "framework/FrameWnd.h"
#include "framework/AppState.h"
#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/StatusBar.h"
#include "framework/WinApp.h"
#include "framework/WndClass.h"
#include "framework/res/FrameworkRes.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
END_MESSAGE_MAP()

const RECT CFrameWnd::rectDefault = { CW_USEDEFAULT, CW_USEDEFAULT, 0, 0 };

CFrameWnd::CFrameWnd() : m_hAccelTable(nullptr), m_bAutoMenuEnable(TRUE) {}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString strFull;
    if (strFull.LoadString(nIDResource)) {
        int nEnd = strFull.Find('\n');
        m_strTitle = nEnd >= 0 ? strFull.Left(nEnd) : strFull;
    }
    LPCSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    // On failure a window that was made has already deleted this object: touch nothing.
    if (!Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, MAKEINTRESOURCEA(nIDResource), 0,
                pContext))
        return FALSE;
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

// The class PreCreateWindow would pick, registered again with the frame's icon.
LPCSTR CFrameWnd::GetIconWndClass(DWORD dwDefaultStyle, UINT nIDResource)
{
    HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (hIcon == nullptr)
        return nullptr;
    CREATESTRUCTA cs;
    std::memset(&cs, 0, sizeof cs);
    cs.style = dwDefaultStyle;
    PreCreateWindow(cs);
    if (cs.lpszClass == nullptr)
        return nullptr;
    WNDCLASSA wc;
    if (!::GetClassInfoA(AfxGetInstanceHandle(), cs.lpszClass, &wc) && !::GetClassInfoA(nullptr, cs.lpszClass, &wc))
        return nullptr;
    return AfxRegisterWndClass(wc.style, wc.hCursor, wc.hbrBackground, hIcon);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr)
        hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName);
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        x = y = cx = cy = CW_USEDEFAULT;
    HWND hWndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    // A destroyed window takes its menu with it, so there is nothing to free on failure.
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, hWndParent, hMenu, pContext);
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), lpszResourceName);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys for the frame or any window inside it go through the accelerator table first; a
    // translated key has become a command to the frame and is not dispatched.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg) != 0;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    // The main window's end is the program's end.
    CWinApp* pApp = AfxGetApp();
    if (AfxGetMainWnd() == this) {
        if (pApp != nullptr)
            pApp->m_pMainWnd = nullptr;
        AfxSetMainWnd(nullptr);
        ::PostQuitMessage(0);
    }
    delete this;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Carried out by the first message loop that runs.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

void CFrameWnd::OnClose()
{
    // Nothing to ask: the frame disappears at once, then goes with its children.
    ShowWindow(SW_HIDE);
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::RecalcLayout()
{
    if (m_hWnd == nullptr)
        return;
    RECT rc;
    GetClientRect(&rc);
    HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
    if (hBar != nullptr && (::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE)) {
        // The status control places itself along the bottom edge at its own height.
        ::SendMessageA(hBar, WM_SIZE, 0, 0);
        RECT rcBar;
        ::GetWindowRect(hBar, &rcBar);
        rc.bottom -= rcBar.bottom - rcBar.top;
        if (rc.bottom < rc.top)
            rc.bottom = rc.top;
    }
    HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST);
    if (hPane != nullptr)
        ::MoveWindow(hPane, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = static_cast<UINT>(pPopupMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators have nothing to update; a nested pop-up is updated when it opens.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        // The menu has closed: the idle prompt at once, before a chosen command runs.
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return;
    }
    UINT nID;
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        nID = 0;
    else if (nItemID >= SC_SIZE && nItemID < 0xF1F0)
        nID = AFX_IDS_SCSIZE + (nItemID - SC_SIZE) / 16;
    else
        nID = nItemID;
    SetMessageText(nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
        SetMessageText(reinterpret_cast<LPCSTR>(lParam));
    else
        SetMessageText(static_cast<UINT>(wParam));
    return 0;
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    if (nID == 0 || !rMessage.LoadString(nID))
        return;
    int nEnd = rMessage.Find('\n');
    if (nEnd >= 0)
        rMessage = rMessage.Left(nEnd);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    CString strMessage;
    GetMessageString(nID, strMessage);
    SetMessageText(strMessage);
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    CWnd* pBar = GetMessageBar();
    if (pBar == nullptr)
        return;
    if (pBar->IsKindOf(RUNTIME_CLASS(CStatusBar)))
        static_cast<CStatusBar*>(pBar)->SetPaneText(0, lpszText, TRUE);
    else
        pBar->SetWindowText(lpszText);
}

CWnd* CFrameWnd::GetMessageBar() const
{
    return CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR));
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    HWND hBar = ::GetDlgItem(m_hWnd, static_cast<int>(pCmdUI->m_nID));
    pCmdUI->Enable(hBar != nullptr);
    pCmdUI->SetCheck(hBar != nullptr && (::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    HWND hBar = ::GetDlgItem(m_hWnd, static_cast<int>(nID));
    if (hBar == nullptr)
        return FALSE;
    BOOL bVisible = (::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE) != 0;
    ::ShowWindow(hBar, bVisible ? SW_HIDE : SW_SHOW);
    RecalcLayout();
    return TRUE;
}
