// A plain top-level window that owns the dialogs under test, standing in for the main frame.
#pragma once
#include <windows.h>

#include "common/Pump.h"
#include "framework/Wnd.h"

class CTestOwner {
public:
    // A visible, active, overlapped window of the given outer rectangle.
    explicit CTestOwner(const RECT& rcWindow);
    ~CTestOwner();

    HWND Handle() const { return m_wnd.m_hWnd; }
    CWnd* Wnd() { return &m_wnd; }
    void Activate();

private:
    CWnd m_wnd;
};

// Work area of the monitor the window is on (the nearest one).
RECT WorkAreaNear(HWND hWnd);
// Work area of the primary monitor.
RECT PrimaryWorkArea();
