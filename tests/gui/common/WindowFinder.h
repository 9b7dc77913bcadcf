// Finding and reading windows: children, classes, texts, status-bar panes.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace guitest {

std::vector<HWND> GetChildWindows(HWND hWndParent);    // direct children in Z order
std::string GetClassNameOf(HWND hWnd);
std::string GetTextOf(HWND hWnd);                       // WM_GETTEXT, cp932 bytes
std::string GetStatusPaneText(HWND hWndStatus, int nPane);    // SB_GETTEXTA
HWND FindChildById(HWND hWndParent, int nID);
// A top-level window of this thread with the class (and caption, when given); nullptr if none.
HWND FindThreadWindow(const char* pszClass, const char* pszCaption = nullptr);
// A rectangle of hWnd in the client coordinates of hWndParent.
RECT GetRectInParent(HWND hWnd, HWND hWndParent);

} // namespace guitest
