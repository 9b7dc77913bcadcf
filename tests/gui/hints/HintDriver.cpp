#include "hints/HintDriver.h"
#include "common/WindowFinder.h"
#include "framework/AppState.h"
#include "framework/ToolTip.h"
#include "framework/Wnd.h"
#include "framework/res/FrameworkRes.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"
#include "ui/GameApp.h"

#include <commctrl.h>

namespace hinttest {

// The test program's application object, standing in for the program's theApp.
CGameApp theHintApp;

const char kHintHere[] = "\x8E\x9F\x82\xCD\x82\xB1\x82\xB1\x82\xC5\x82\xB7!!";

namespace {

struct RequestLog {
    int nCount = 0;
    std::string strLastAnswer;
};

RequestLog g_requests;
HHOOK g_hHookRet = nullptr;
POINT g_ptLastMove = { -1, -1 };    // where the last mouse move taken from the queue happened

// Sees each text request after the board has answered it.
LRESULT CALLBACK CallWndRetProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* pInfo = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pInfo->message == WM_NOTIFY && pInfo->hwnd == GetBoardWindow() && pInfo->lParam != 0) {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(pInfo->lParam);
        if (pNMHDR->code == TTN_NEEDTEXTA && pNMHDR->hwndFrom == GetToolTip()) {
            const TOOLTIPTEXTA* pTTT = reinterpret_cast<const TOOLTIPTEXTA*>(pNMHDR);
            ++g_requests.nCount;
            g_requests.strLastAnswer = pTTT->lpszText != nullptr && pTTT->lpszText != LPSTR_TEXTCALLBACKA &&
                                               !IS_INTRESOURCE(pTTT->lpszText)
                                           ? pTTT->lpszText
                                           : std::string();
        }
    }
    return ::CallNextHookEx(g_hHookRet, nCode, wParam, lParam);
}

DWORD InitialDelay()
{
    HWND hTip = GetToolTip();
    LRESULT nDelay = hTip != nullptr ? ::SendMessageA(hTip, TTM_GETDELAYTIME, TTDT_INITIAL, 0) : 0;
    return nDelay > 0 ? static_cast<DWORD>(nDelay) : 500;
}

void SendMouse(DWORD dwFlags, int dx = 0, int dy = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(input));
}

std::string HoverFrom(HWND hWnd, bool bFromOutside)
{
    if (bFromOutside) {
        MovePointer(OutsideBoard());
        PumpFor(50);
    }
    POINT pt = CentreOf(hWnd);
    MovePointer(pt);
    Pump();
    return RestAndSeeTip() ? GetTipText() : std::string();
}

} // namespace

std::string HintNext(int nNext)
{
    return "\x8E\x9F\x82\xCD " + std::to_string(nNext) + " \x82\xC5\x82\xB7\xA5\xA5\xA5";
}

HWND StartApp()
{
    if (g_hHookRet == nullptr)
        g_hHookRet = ::SetWindowsHookExA(WH_CALLWNDPROCRET, CallWndRetProc, nullptr, ::GetCurrentThreadId());
    theHintApp.InitInstance();
    Pump();
    HWND hWndFrame = GetFrame();
    if (hWndFrame != nullptr) {
        ::SetForegroundWindow(hWndFrame);
        Pump();
    }
    ResetRequests();
    return hWndFrame;
}

void EndApp()
{
    HWND hWndFrame = GetFrame();
    if (hWndFrame != nullptr)
        ::SendMessageA(hWndFrame, WM_CLOSE, 0, 0);
    Pump();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    AfxDeleteTempMap();
}

HWND GetFrame()
{
    CWnd* pMainWnd = AfxGetMainWnd();
    return pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
}

HWND GetBoardWindow()
{
    HWND hWndFrame = GetFrame();
    return hWndFrame != nullptr ? ::GetDlgItem(hWndFrame, AFX_IDW_PANE_FIRST) : nullptr;
}

CBoardWnd* GetBoard()
{
    return dynamic_cast<CBoardWnd*>(CWnd::FromHandlePermanent(GetBoardWindow()));
}

HWND GetStatusBar()
{
    HWND hWndFrame = GetFrame();
    return hWndFrame != nullptr ? ::GetDlgItem(hWndFrame, AFX_IDW_STATUS_BAR) : nullptr;
}

HWND GetToolTip()
{
    return AfxGetToolTipWindow();
}

bool IsTipVisible()
{
    HWND hTip = GetToolTip();
    return hTip != nullptr && ::IsWindowVisible(hTip);
}

std::string GetTipText()
{
    HWND hTip = GetToolTip();
    return hTip != nullptr ? guitest::GetTextOf(hTip) : std::string();
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)
            g_ptLastMove = msg.pt;
        if (!theHintApp.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

bool PumpUntil(bool (*pfnDone)(), DWORD nTimeoutMs)
{
    DWORD nStart = ::GetTickCount();
    for (;;) {
        Pump();
        if (pfnDone())
            return true;
        DWORD nElapsed = ::GetTickCount() - nStart;
        if (nElapsed >= nTimeoutMs)
            return false;
        DWORD nWait = nTimeoutMs - nElapsed < 20 ? nTimeoutMs - nElapsed : 20;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nWait, QS_ALLINPUT);
    }
}

void PumpFor(DWORD nMs)
{
    PumpUntil([] { return false; }, nMs);
}

void Command(UINT nID)
{
    ::SendMessageA(GetFrame(), WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    // A new game's start notice has had the activation; the frame gets it back when it closes.
    PumpUntil([] { return ::GetActiveWindow() == GetFrame(); }, 2000);
}

bool IsNavigationChecked()
{
    HMENU hMenu = ::GetMenu(GetFrame());
    return (::GetMenuState(hMenu, ID_VIEW_NAVIGATION, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

HWND FindButton(int nNumber)
{
    for (HWND hChild : guitest::GetChildWindows(GetBoardWindow())) {
        if (::IsWindowVisible(hChild) && guitest::GetTextOf(hChild) == std::to_string(nNumber))
            return hChild;
    }
    return nullptr;
}

int CountVisibleButtons()
{
    int nCount = 0;
    for (HWND hChild : guitest::GetChildWindows(GetBoardWindow()))
        nCount += ::IsWindowVisible(hChild) ? 1 : 0;
    return nCount;
}

void ClickInOrder(int nFirst, int nLast)
{
    for (int n = nFirst; n <= nLast; ++n) {
        HWND hButton = FindButton(n);
        if (hButton != nullptr)
            ::SendMessageA(hButton, BM_CLICK, 0, 0);
    }
}

void ClearBoardAndWaitNextGame()
{
    CBoardWnd* pBoard = GetBoard();
    int nSize = pBoard->GetGridSize();
    ClickInOrder(1, nSize * nSize);
    // The result notice, then the start notice of the next game, pass while this pumps.
    static int s_nExpected;
    s_nExpected = nSize * nSize;
    PumpUntil([] { return CountVisibleButtons() == s_nExpected; }, 10000);
    PumpUntil([] { return ::GetActiveWindow() == GetFrame(); }, 2000);
}

void MovePointer(POINT ptScreen)
{
    // Absolute input runs over 0..65535 across the (virtual) screen.
    int cx = ::GetSystemMetrics(SM_CXSCREEN);
    int cy = ::GetSystemMetrics(SM_CYSCREEN);
    int dx = static_cast<int>((static_cast<long long>(ptScreen.x) * 65536 + cx / 2) / cx);
    int dy = static_cast<int>((static_cast<long long>(ptScreen.y) * 65536 + cy / 2) / cy);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
    POINT ptNow;
    ::GetCursorPos(&ptNow);
    if (ptNow.x != ptScreen.x || ptNow.y != ptScreen.y)
        ::SetCursorPos(ptScreen.x, ptScreen.y);
    // Each move is taken and filtered on its own, so none is merged into the next one.
    static POINT s_ptTarget;
    s_ptTarget = ptScreen;
    PumpUntil([] { return g_ptLastMove.x == s_ptTarget.x && g_ptLastMove.y == s_ptTarget.y; }, 1000);
}

void ClickPointer()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump();
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump();
}

POINT CentreOf(HWND hWnd)
{
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    POINT pt = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    return pt;
}

POINT OutsideBoard()
{
    return CentreOf(GetStatusBar());
}

std::string HoverFromOutside(HWND hWnd)
{
    return HoverFrom(hWnd, true);
}

std::string HoverFromHere(HWND hWnd)
{
    return HoverFrom(hWnd, false);
}

bool RestAndSeeTip()
{
    // A second move over the same tool is what the control counts its delay from.
    POINT pt;
    ::GetCursorPos(&pt);
    pt.x += 1;
    MovePointer(pt);
    DWORD nDelay = InitialDelay();
    return PumpUntil([] { return IsTipVisible(); }, nDelay * 4 + 500);
}

int GetRequestCount()
{
    return g_requests.nCount;
}

std::string GetLastAnswer()
{
    return g_requests.strLastAnswer;
}

void ResetRequests()
{
    g_requests = RequestLog();
}

} // namespace hinttest
