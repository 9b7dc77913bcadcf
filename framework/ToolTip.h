// Tooltips for the child windows of a window that called EnableToolTips: one tooltip control per thread,
// owned by the main window, showing the tool under the pointer with its text asked from the tool's owner.
#pragma once
#include <windows.h>

// The message loop hands every message to this filter before dispatching it.
void AfxRelayToolTipMessage(const MSG* pMsg);

// Hides the tip and disarms it; the tool under the pointer is remembered, so the tip stays away
// until the pointer arrives on another tool.
void AfxCancelToolTips();

// A window stopped wanting tips (or is going away): its tool is dropped.
void AfxRemoveToolTipOwner(HWND hWndOwner);

// The thread's tooltip control, or nullptr before its first use.
HWND AfxGetToolTipWindow();
