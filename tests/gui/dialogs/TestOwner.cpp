#include "TestOwner.h"

CTestOwner::CTestOwner(const RECT& rcWindow)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PelmoTestOwner";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "owner", WS_OVERLAPPEDWINDOW, rcWindow.left, rcWindow.top,
                                  rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    m_wnd.Attach(hWnd);
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    Activate();
}

CTestOwner::~CTestOwner()
{
    HWND hWnd = m_wnd.Detach();
    ::DestroyWindow(hWnd);
    guitest::PumpPendingMessages();
}

void CTestOwner::Activate()
{
    ::SetForegroundWindow(Handle());
    ::SetActiveWindow(Handle());
    guitest::PumpPendingMessages();
}

RECT WorkAreaNear(HWND hWnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromWindow(hWnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

RECT PrimaryWorkArea()
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{ 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}
