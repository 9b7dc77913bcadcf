// Window classes registered on demand under names made from their attributes.
#pragma once
#include <windows.h>

// Registers (once) a class with AfxWndProc and these attributes; the name stays valid for the process.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
