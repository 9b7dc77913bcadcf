#include "framework/ToolTip.h"
#include "framework/AppState.h"
#include "framework/Wnd.h"

#include <commctrl.h>

namespace {

// What the filter remembers between messages: the control, and the tool last found under the pointer.
struct ToolTipState {
    HWND hWndToolTip = nullptr;
    HWND hWndOwner = nullptr;    // the window whose hit test found the tool
    UINT_PTR nTool = 0;          // the tool's id (a child window handle)
    BOOL bHaveTool = FALSE;
    BOOL bArmed = FALSE;
};

thread_local ToolTipState t_state;

enum class MouseKind { None, Move, Release, Press };

MouseKind KindOf(UINT nMsg)
{
    switch (nMsg) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        return MouseKind::Move;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONUP:
        return MouseKind::Release;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
        return MouseKind::Press;
    default:
        return MouseKind::None;
    }
}

bool IsKeyMessage(UINT nMsg)
{
    return nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST;
}

bool AnyButtonHeld()
{
    return (::GetKeyState(VK_LBUTTON) & 0x8000) != 0 || (::GetKeyState(VK_RBUTTON) & 0x8000) != 0 ||
           (::GetKeyState(VK_MBUTTON) & 0x8000) != 0;
}

// The window itself or its nearest parent that enabled tooltips.
CWnd* FindToolTipOwner(HWND hWnd)
{
    while (hWnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->m_bToolTipsEnabled)
            return pWnd;
        if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
        hWnd = ::GetParent(hWnd);
    }
    return nullptr;
}

// The window whose activity allows tips: the main window, or else the owner's top-level window.
HWND TopWindowFor(HWND hWndOwner)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
        return pMainWnd->m_hWnd;
    return ::GetAncestor(hWndOwner, GA_ROOT);
}

TOOLINFOA MakeToolInfo(HWND hWndOwner, UINT_PTR nTool)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = hWndOwner;
    ti.uId = nTool;
    return ti;
}

// A control destroyed with its owner, or an owner gone, leaves nothing to remember.
void ForgetDeadWindows()
{
    ToolTipState& state = t_state;
    if (state.hWndToolTip != nullptr && !::IsWindow(state.hWndToolTip)) {
        state.hWndToolTip = nullptr;
        state.bHaveTool = FALSE;
        state.bArmed = FALSE;
    }
    if (state.bHaveTool && !::IsWindow(state.hWndOwner))
        state.bHaveTool = FALSE;
}

HWND EnsureToolTip(HWND hWndOwner)
{
    ToolTipState& state = t_state;
    if (state.hWndToolTip == nullptr) {
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
        ::InitCommonControlsEx(&icc);
        state.hWndToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                              CW_USEDEFAULT, CW_USEDEFAULT, TopWindowFor(hWndOwner), nullptr,
                                              AfxGetInstanceHandle(), nullptr);
    }
    return state.hWndToolTip;
}

void Disarm()
{
    ToolTipState& state = t_state;
    state.bArmed = FALSE;
    if (state.hWndToolTip != nullptr) {
        ::SendMessageA(state.hWndToolTip, TTM_ACTIVATE, FALSE, 0);
        ::SendMessageA(state.hWndToolTip, TTM_POP, 0, 0);
    }
}

void DropTool()
{
    ToolTipState& state = t_state;
    if (state.bHaveTool && state.hWndToolTip != nullptr) {
        TOOLINFOA ti = MakeToolInfo(state.hWndOwner, state.nTool);
        ::SendMessageA(state.hWndToolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    state.bHaveTool = FALSE;
}

// The pointer arrived on a new tool: it replaces the old one, and the tip is armed while the
// main window is active.
void SetTool(CWnd* pOwner, const TOOLINFOA& tiHit)
{
    ToolTipState& state = t_state;
    HWND hWndToolTip = EnsureToolTip(pOwner->m_hWnd);
    if (hWndToolTip == nullptr)
        return;
    DropTool();
    TOOLINFOA ti = tiHit;
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ::SendMessageA(hWndToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    state.hWndOwner = ti.hwnd;
    state.nTool = ti.uId;
    state.bHaveTool = TRUE;

    if (::GetActiveWindow() == TopWindowFor(pOwner->m_hWnd)) {
        state.bArmed = TRUE;
        ::SendMessageA(hWndToolTip, TTM_ACTIVATE, TRUE, 0);
        ::SetWindowPos(hWndToolTip, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    } else {
        Disarm();
    }
}

void TrackPointer(CWnd* pOwner, const MSG* pMsg)
{
    ToolTipState& state = t_state;
    POINT point = pMsg->pt;
    ::ScreenToClient(pOwner->m_hWnd, &point);
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    if (pOwner->OnToolHitTest(point, &ti) == -1) {
        if (state.bHaveTool) {
            Disarm();
            DropTool();
        }
        return;
    }
    if (!state.bHaveTool || state.hWndOwner != ti.hwnd || state.nTool != ti.uId) {
        SetTool(pOwner, ti);
        return;
    }
    // Same tool: the control counts its delay from the relayed moves; a disarmed tip stays away.
    if (state.bArmed && state.hWndToolTip != nullptr)
        ::SendMessageA(state.hWndToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}

} // namespace

void AfxRelayToolTipMessage(const MSG* pMsg)
{
    UINT nMsg = pMsg->message;
    MouseKind kind = KindOf(nMsg);
    if ((kind == MouseKind::None && !IsKeyMessage(nMsg)) || pMsg->hwnd == nullptr)
        return;
    ForgetDeadWindows();
    ToolTipState& state = t_state;
    if (pMsg->hwnd == state.hWndToolTip)
        return;

    CWnd* pOwner = FindToolTipOwner(pMsg->hwnd);
    if (pOwner == nullptr) {
        // The pointer is elsewhere (status bar, frame): the next arrival on a tool arms again.
        if (kind == MouseKind::Move && state.bHaveTool) {
            Disarm();
            DropTool();
        }
        return;
    }
    if (kind == MouseKind::Press || IsKeyMessage(nMsg)) {
        AfxCancelToolTips();
        return;
    }
    if (!AnyButtonHeld())
        TrackPointer(pOwner, pMsg);
}

void AfxCancelToolTips()
{
    Disarm();
}

void AfxRemoveToolTipOwner(HWND hWndOwner)
{
    ForgetDeadWindows();
    ToolTipState& state = t_state;
    if (state.bHaveTool && state.hWndOwner == hWndOwner) {
        Disarm();
        DropTool();
    }
}

HWND AfxGetToolTipWindow()
{
    ForgetDeadWindows();
    return t_state.hWndToolTip;
}
