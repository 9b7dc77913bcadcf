#include "frame/FrameSupport.h"
#include "common/Pump.h"
#include "common/WindowFinder.h"
#include "framework/AppState.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"

#include <gtest/gtest.h>

namespace frametest {

CGameApp theTestApp;

namespace {

thread_local CDialogWatcher* t_pWatcher = nullptr;

BOOL CALLBACK CloseMissedProc(HWND hWnd, LPARAM lParam)
{
    if (guitest::GetClassNameOf(hWnd) == "#32770" && ::IsWindowVisible(hWnd)) {
        ++*reinterpret_cast<int*>(lParam);
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

std::string TextOfItem(HWND hDlg, int nID)
{
    HWND hItem = ::GetDlgItem(hDlg, nID);
    return hItem != nullptr ? guitest::GetTextOf(hItem) : std::string();
}

BOOL CALLBACK CollectProc(HWND hWnd, LPARAM lParam)
{
    std::string strClass = guitest::GetClassNameOf(hWnd);
    if (strClass != "IME" && strClass != "Default IME" && strClass != "MSCTFIME UI")
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

} // namespace

CDialogWatcher::CDialogWatcher(UINT nCommand) : m_nCommand(nCommand), m_hHook(nullptr), m_nTimer(0), m_nMissed(0)
{
    t_pWatcher = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    m_nTimer = ::SetTimer(nullptr, 0, 10000, FallbackProc);
}

CDialogWatcher::~CDialogWatcher()
{
    ::KillTimer(nullptr, m_nTimer);
    ::UnhookWindowsHookEx(m_hHook);
    if (t_pWatcher == this)
        t_pWatcher = nullptr;
}

LRESULT CALLBACK CDialogWatcher::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CDialogWatcher* pThis = t_pWatcher;
    HWND hDlg = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_ACTIVATE && pThis != nullptr && guitest::GetClassNameOf(hDlg) == "#32770") {
        SeenDialog seen;
        seen.strCaption = guitest::GetTextOf(hDlg);
        seen.strLine1 = TextOfItem(hDlg, IDC_NOTICE_LINE1);
        seen.strLine2 = TextOfItem(hDlg, IDC_NOTICE_LINE2);
        seen.strButton = TextOfItem(hDlg, IDOK);
        seen.strMessage = TextOfItem(hDlg, 0xFFFF);
        HWND hWndFrame = GetFrame();
        if (hWndFrame != nullptr) {
            seen.strPane = GetPane(hWndFrame);
            seen.bOwnerIsFrame = ::GetWindow(hDlg, GW_OWNER) == hWndFrame;
            seen.bFrameEnabled = ::IsWindowEnabled(hWndFrame);
            seen.bFrameVisible = ::IsWindowVisible(hWndFrame);
            seen.nButtons = static_cast<int>(VisibleButtons(hWndFrame).size());
        }
        pThis->m_aSeen.push_back(seen);
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(pThis->m_nCommand, BN_CLICKED), 0);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK CDialogWatcher::FallbackProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (t_pWatcher != nullptr)
        ::EnumThreadWindows(::GetCurrentThreadId(), CloseMissedProc, reinterpret_cast<LPARAM>(&t_pWatcher->m_nMissed));
}

HWND StartApp()
{
    theTestApp.InitInstance();
    guitest::PumpPendingMessages();
    return GetFrame();
}

void EndApp()
{
    HWND hWndFrame = GetFrame();
    if (hWndFrame != nullptr)
        ::SendMessageA(hWndFrame, WM_CLOSE, 0, 0);
    guitest::PumpPendingMessages();
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

HWND GetStatusBar(HWND hWndFrame)
{
    return ::GetDlgItem(hWndFrame, AFX_IDW_STATUS_BAR);
}

HWND GetBoardWindow(HWND hWndFrame)
{
    return ::GetDlgItem(hWndFrame, AFX_IDW_PANE_FIRST);
}

CBoardWnd* GetBoard(HWND hWndFrame)
{
    return dynamic_cast<CBoardWnd*>(CWnd::FromHandlePermanent(GetBoardWindow(hWndFrame)));
}

std::string GetPane(HWND hWndFrame)
{
    HWND hBar = GetStatusBar(hWndFrame);
    return hBar != nullptr ? guitest::GetStatusPaneText(hBar, 0) : std::string();
}

std::vector<HWND> VisibleButtons(HWND hWndFrame)
{
    std::vector<HWND> ahButtons;
    HWND hBoard = GetBoardWindow(hWndFrame);
    if (hBoard == nullptr)
        return ahButtons;
    for (HWND hChild : guitest::GetChildWindows(hBoard)) {
        bool bButton = ::lstrcmpiA(guitest::GetClassNameOf(hChild).c_str(), "Button") == 0;
        if (bButton && (::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE))
            ahButtons.push_back(hChild);
    }
    return ahButtons;
}

HWND FindButton(HWND hWndFrame, int nNumber)
{
    for (HWND hButton : VisibleButtons(hWndFrame)) {
        if (guitest::GetTextOf(hButton) == std::to_string(nNumber))
            return hButton;
    }
    return nullptr;
}

void ClickInOrder(HWND hWndFrame, int nFirst, int nLast)
{
    for (int n = nFirst; n <= nLast; ++n) {
        HWND hButton = FindButton(hWndFrame, n);
        ASSERT_NE(hButton, nullptr) << "no visible button labelled " << n;
        ::SendMessageA(hButton, BM_CLICK, 0, 0);
    }
}

RECT GetWindowRectOf(HWND hWnd)
{
    RECT rect = { 0, 0, 0, 0 };
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> ahWnd;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectProc, reinterpret_cast<LPARAM>(&ahWnd));
    return ahWnd;
}

} // namespace frametest
