#pragma once
#include <windows.h>

#include "framework/String.h"

class CWnd;

// One transfer between a dialog's controls and its members; DoDataExchange runs the DDX_/DDV_ calls in order.
class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Marks the transfer as failed; every later DDX_/DDV_ call of the same pass does nothing.
    void Fail();
    // The control that the next DDX_ call exchanges with.
    HWND PrepareCtrl(int nIDC);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed;
    int m_idLastControl;
    BOOL m_bEditLastControl;
};

// Window text of control nIDC <-> value (bytes of the ANSI code page).
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// On saving, value may hold at most nChars bytes; more shows the framework's warning and fails the transfer.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
