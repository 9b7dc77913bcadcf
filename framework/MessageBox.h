// The framework's message boxes, titled with the application's name.
#pragma once
#include "framework/String.h"
#include "framework/res/FrameworkRes.h"

// Owner: the main window's last active pop-up, if there is a main window.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// String nIDS with "%1" replaced by lpsz1.
void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
