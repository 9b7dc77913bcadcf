#include "framework/MessageBox.h"
#include "framework/AppState.h"
#include "framework/Wnd.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    CString strTitle;
    if (AfxGetAppName() != nullptr)
        strTitle = AfxGetAppName();
    else
        strTitle.LoadString(AFX_IDS_APP_TITLE);

    HWND hWndOwner = nullptr;
    if (CWnd* pMainWnd = AfxGetMainWnd(); pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
        hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
    return ::MessageBoxA(hWndOwner, lpszText, strTitle, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    rString.LoadString(nIDS);
    rString.Replace("%1", lpsz1);
}
