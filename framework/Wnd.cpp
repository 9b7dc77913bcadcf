#include "framework/Wnd.h"
#include "framework/AppState.h"
#include "framework/MemoryException.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/ToolTip.h"
#include "framework/WndClass.h"

#include <exception>
#include <map>
#include <new>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// Never destroyed, so windows of static objects can still be looked up at process exit.
std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*>* s_pMap = new std::map<HWND, CWnd*>;
    return *s_pMap;
}

std::map<HWND, CWnd*>& TempMap()
{
    static std::map<HWND, CWnd*>* s_pMap = new std::map<HWND, CWnd*>;
    return *s_pMap;
}

thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = nullptr;
// What attaching a new window threw inside the system's CreateWindowEx, rethrown once it returns.
thread_local std::exception_ptr t_pCreateFailure;
thread_local MSG t_lastSentMsg = {};

enum class WndProcFailure { Memory, Other };

// A handler threw: the message is abandoned in the way that leaves the window usable.
LRESULT ProcessWndProcException(HWND hWnd, UINT nMsg, WndProcFailure failure)
{
    if (nMsg == WM_CREATE)
        return -1;
    if (nMsg == WM_PAINT) {
        ::ValidateRect(hWnd, nullptr);
        return 0;
    }
    if (failure == WndProcFailure::Memory)
        AfxMessageBox(AFX_IDP_FAILED_MEMORY_ALLOC, MB_ICONEXCLAMATION);
    return 0;
}

LONG_PTR WndProcValue(WNDPROC pfn)
{
    return reinterpret_cast<LONG_PTR>(pfn);
}

} // namespace

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pWndInit != nullptr) {
        LPCSTR lpszClass = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        // The system may slip its input-method window in before ours.
        bool bImeWindow = lpszClass != nullptr && !IS_INTRESOURCE(lpszClass) && ::lstrcmpiA(lpszClass, "IME") == 0;
        if (!bImeWindow) {
            CWnd* pWndInit = t_pWndInit;
            t_pWndInit = nullptr;
            HWND hWnd = reinterpret_cast<HWND>(wParam);
            try {
                pWndInit->AttachSubclassing(hWnd);
            } catch (...) {
                // Nothing may unwind through the system's code: refuse the window instead.
                if (pWndInit->m_hWnd == hWnd)
                    pWndInit->Detach();
                t_pCreateFailure = std::current_exception();
                return 1;
            }
        }
    }
    return ::CallNextHookEx(t_hHookCbt, nCode, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_hHookCbt == nullptr)
        t_hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    t_pWndInit = pWnd;
    t_pCreateFailure = nullptr;    // a dialog reports a refused window by its result instead
}

BOOL AfxUnhookWindowCreate()
{
    if (t_pWndInit != nullptr) {
        t_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG oldState = t_lastSentMsg;
    t_lastSentMsg.hwnd = hWnd;
    t_lastSentMsg.message = nMsg;
    t_lastSentMsg.wParam = wParam;
    t_lastSentMsg.lParam = lParam;

    // Nothing a handler throws may unwind through the system's callback frames.
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (const std::bad_alloc&) {
        lResult = ProcessWndProcException(hWnd, nMsg, WndProcFailure::Memory);
    } catch (CException* pException) {
        bool bMemory = pException->IsKindOf(RUNTIME_CLASS(CMemoryException));
        pException->Delete();
        lResult = ProcessWndProcException(hWnd, nMsg, bMemory ? WndProcFailure::Memory : WndProcFailure::Other);
    } catch (...) {
        lResult = ProcessWndProcException(hWnd, nMsg, WndProcFailure::Other);
    }

    // A tip must not outlast the main window's activation.
    if (nMsg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && pWnd == AfxGetMainWnd())
        AfxCancelToolTips();
    if (nMsg == WM_NCDESTROY && pWnd->m_hWnd == hWnd)
        pWnd->OnNcDestroyed();    // may delete pWnd

    t_lastSentMsg = oldState;
    return lResult;
}

CWnd::CWnd() : m_hWnd(nullptr), m_bToolTipsEnabled(FALSE), m_pfnSuper(nullptr) {}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        if (m_hWnd != nullptr)
            Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    std::map<HWND, CWnd*>& temp = TempMap();
    auto it = temp.find(hWnd);
    if (it != temp.end())
        return it->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temp[hWnd] = pWnd;
    return pWnd;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    std::map<HWND, CWnd*>& permanent = PermanentMap();
    auto it = permanent.find(hWnd);
    return it != permanent.end() ? it->second : nullptr;
}

void CWnd::DeleteTempMap()
{
    std::map<HWND, CWnd*>& temp = TempMap();
    for (auto& entry : temp) {
        entry.second->m_hWnd = nullptr;    // a wrapper never destroys the window
        delete entry.second;
    }
    temp.clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || FromHandlePermanent(hWndNew) != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    PermanentMap()[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        std::map<HWND, CWnd*>& permanent = PermanentMap();
        auto it = permanent.find(hWnd);
        if (it != permanent.end() && it->second == this)
            permanent.erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::AttachSubclassing(HWND hWnd)
{
    Attach(hWnd);
    PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (pfnOld != AfxWndProc) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, WndProcValue(AfxWndProc));
        m_pfnSuper = pfnOld;
    }
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, WndProcValue(AfxWndProc)));
    if (pfnOld != AfxWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent == nullptr || pParent->m_hWnd == nullptr)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd != nullptr && m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, WndProcValue(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::OnNcDestroyed()
{
    // Give a subclassed control its own procedure back, then forget the handle.
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, WndProcValue(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    Detach();
    PostNcDestroy();
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // A window that never came into being got no WM_NCDESTROY: clean up here instead.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (t_pCreateFailure) {
        std::exception_ptr pFailure = t_pCreateFailure;
        t_pCreateFailure = nullptr;
        std::rethrow_exception(pFailure);
    }
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    }
    return cs.lpszClass != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    bool bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (!bPermanent)
        m_hWnd = nullptr;    // a temporary wrapper outlives nothing
    return bResult;
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(nMsg, wParam, lParam, &lResult))
        lResult = DefWindowProc(nMsg, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (nMsg == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (nMsg == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (lParam == 0 || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && pEntry == nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        pEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, 0, 0);
    }
    if (pEntry == nullptr)
        return FALSE;

    LRESULT lResult = 0;
    AFX_PMSG pfn = pEntry->pfn;
    switch (pEntry->nSig) {
    case AfxSig_v_v:
        (this->*AfxMsgPtrAs<void (CWnd::*)()>(pfn))();
        break;
    case AfxSig_i_CS:
        lResult = (this->*AfxMsgPtrAs<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_v_u_i_i:
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT, int, int)>(pfn))(static_cast<UINT>(wParam),
                                                                  static_cast<short>(LOWORD(lParam)),
                                                                  static_cast<short>(HIWORD(lParam)));
        break;
    case AfxSig_v_u_W_b:
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(
            LOWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)), HIWORD(wParam));
        break;
    case AfxSig_v_M_u_b:
        (this->*AfxMsgPtrAs<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(
            CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_u_u_h:
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                                     reinterpret_cast<HMENU>(lParam));
        break;
    case AfxSig_v_u_W:
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT, CWnd*)>(pfn))(static_cast<UINT>(wParam),
                                                               FromHandle(reinterpret_cast<HWND>(lParam)));
        break;
    case AfxSig_b_W_u_u:
        lResult = (this->*AfxMsgPtrAs<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
            FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_v_up:
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT_PTR)>(pfn))(static_cast<UINT_PTR>(wParam));
        break;
    case AfxSig_v_b_u:
        (this->*AfxMsgPtrAs<void (CWnd::*)(BOOL, UINT)>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        break;
    case AfxSig_v_u_pt: {
        POINT point = { static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)) };
        (this->*AfxMsgPtrAs<void (CWnd::*)(UINT, POINT)>(pfn))(static_cast<UINT>(wParam), point);
        break;
    }
    case AfxSig_l_w_l:
        lResult = (this->*AfxMsgPtrAs<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    // Menus send code 0 and accelerators 1: both are plain commands.
    if (lParam == 0)
        nCode = CN_COMMAND;
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    // The sender's own control id, not idFrom: a tooltip puts its tool's id there, and a note without a
    // real sender must not pass for a control's (0 then, like a tooltip's).
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(pNMHDR->hwndFrom));
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_lastSentMsg.message, t_lastSentMsg.wParam, t_lastSentMsg.lParam);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return m_hWnd != nullptr && ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hWndInsertAfter = pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : HWND_TOP;
    return m_hWnd != nullptr && ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    if (m_hWnd != nullptr)
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(const RECT& rect, BOOL bRepaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bRepaint);
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd != nullptr ? FromHandle(::GetParent(m_hWnd)) : nullptr;
}

CWnd* CWnd::GetParentFrame() const
{
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
        if (pParent->IsFrameWnd())
            return pParent;
    }
    return nullptr;
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd != nullptr ? ::GetDlgCtrlID(m_hWnd) : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return m_hWnd != nullptr ? FromHandle(::GetDlgItem(m_hWnd, nID)) : nullptr;
}

BOOL CWnd::PostMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, nMsg, wParam, lParam);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextA(m_hWnd, lpszString);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    LPSTR pszBuffer = rString.GetBuffer(nLen + 1);
    pszBuffer[0] = '\0';
    ::GetWindowTextA(m_hWnd, pszBuffer, nLen + 1);
    rString.ReleaseBuffer();
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd != nullptr && ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr && ::IsWindowEnabled(m_hWnd);
}

void CWnd::UpdateWindow()
{
    if (m_hWnd != nullptr)
        ::UpdateWindow(m_hWnd);
}

void CWnd::Invalidate(BOOL bErase)
{
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, bErase);
}

CMenu* CWnd::GetMenu() const
{
    return m_hWnd != nullptr ? CMenu::FromHandle(::GetMenu(m_hWnd)) : nullptr;
}

DWORD CWnd::GetStyle() const
{
    return m_hWnd != nullptr ? static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)) : 0;
}

DWORD CWnd::GetExStyle() const
{
    return m_hWnd != nullptr ? static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)) : 0;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (!bEnable && m_bToolTipsEnabled && m_hWnd != nullptr)
        AfxRemoveToolTipOwner(m_hWnd);
    m_bToolTipsEnabled = bEnable;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(POINT point, TOOLINFOA* pTI) const
{
    if (m_hWnd == nullptr)
        return -1;
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        // Static texts carry the id 0xFFFF: they are never tools.
        int nID = ::GetDlgCtrlID(hChild);
        if (static_cast<WORD>(nID) == 0xFFFF || (::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE) == 0)
            continue;
        RECT rect;
        ::GetWindowRect(hChild, &rect);
        if (!::PtInRect(&rect, ptScreen))
            continue;
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->uId = reinterpret_cast<UINT_PTR>(hChild);
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACKA;
        }
        return nID;
    }
    return -1;
}

void CWnd::CancelToolTips()
{
    AfxCancelToolTips();
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}

void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}

void CWnd::OnEnterIdle(UINT, CWnd*)
{
    Default();
}

BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}

void CWnd::OnMouseMove(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, POINT)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, POINT)
{
    Default();
}
