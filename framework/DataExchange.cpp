#include "framework/DataExchange.h"

#include <cstdio>

#include "framework/MessageBox.h"
#include "framework/Wnd.h"
#include "framework/res/FrameworkRes.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_bFailed(FALSE), m_idLastControl(0),
      m_bEditLastControl(FALSE)
{
}

void CDataExchange::Fail()
{
    m_bFailed = TRUE;
    // Put the user back on the control that was refused, as far as it can take the focus.
    if (m_bSaveAndValidate && m_idLastControl != 0 && m_pDlgWnd != nullptr)
    {
        HWND hCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, m_idLastControl);
        if (hCtrl != nullptr && (::GetWindowLongA(hCtrl, GWL_STYLE) & WS_TABSTOP))
            ::SetFocus(hCtrl);
    }
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hCtrl = m_pDlgWnd != nullptr ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : nullptr;
    char szClass[16] = "";
    if (hCtrl != nullptr)
        ::GetClassNameA(hCtrl, szClass, sizeof(szClass));
    m_idLastControl = nIDC;
    m_bEditLastControl = lstrcmpiA(szClass, "Edit") == 0;
    return hCtrl;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->m_bFailed)
        return;
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (hCtrl == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        int nLength = ::GetWindowTextLengthA(hCtrl);
        char* pszBuffer = value.GetBuffer(nLength + 1);
        int nRead = ::GetWindowTextA(hCtrl, pszBuffer, nLength + 1);
        value.ReleaseBuffer(nRead);
    }
    else
    {
        ::SetWindowTextA(hCtrl, value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bFailed)
        return;
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > nChars)
        {
            char szMax[16];
            std::snprintf(szMax, sizeof(szMax), "%d", nChars);
            CString strPrompt;
            AfxFormatString1(strPrompt, AFX_IDP_PARSE_STRING_SIZE, szMax);
            AfxMessageBox(strPrompt, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    }
    else if (pDX->m_bEditLastControl && pDX->m_idLastControl != 0)
    {
        // An edit control stops the user typing more than the limit; other controls are unaffected.
        ::SendDlgItemMessageA(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl, EM_LIMITTEXT, nChars, 0);
    }
}
