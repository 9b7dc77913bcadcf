#include "framework/StatusBar.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

BEGIN_MESSAGE_MAP(CStatusBar, CWnd)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() : m_dwBarStyle(0), m_anIDs(1, 0), m_astrPaneText(1) {}

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    static bool s_bCommonControls = false;
    if (!s_bCommonControls) {
        INITCOMMONCONTROLSEX icc = { sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_WIN95_CLASSES };
        ::InitCommonControlsEx(&icc);
        s_bCommonControls = true;
    }
    m_dwBarStyle = dwStyle & 0xFFFF;
    RECT rect = { 0, 0, 0, 0 };
    if (!CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle & 0xFFFF0000, rect, pParentWnd, nID))
        return FALSE;
    ApplyParts();
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (lpIDArray == nullptr || nIDCount <= 0)
        return FALSE;
    m_anIDs.assign(lpIDArray, lpIDArray + nIDCount);
    m_astrPaneText.assign(static_cast<size_t>(nIDCount), CString());
    for (int i = 0; i < nIDCount; ++i) {
        if (m_anIDs[static_cast<size_t>(i)] != 0)
            m_astrPaneText[static_cast<size_t>(i)].LoadString(m_anIDs[static_cast<size_t>(i)]);
    }
    ApplyParts();
    return TRUE;
}

void CStatusBar::ApplyParts()
{
    if (m_hWnd == nullptr)
        return;
    // The first pane stretches; indicator panes keep a fixed width at the right.
    const int nIndicatorWidth = 60;
    int nCount = GetCount();
    RECT rect;
    GetClientRect(&rect);
    std::vector<int> anRight(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        anRight[static_cast<size_t>(i)] = rect.right - (nCount - 1 - i) * nIndicatorWidth;
    anRight[static_cast<size_t>(nCount - 1)] = -1;
    SendMessage(SB_SETPARTS, static_cast<WPARAM>(nCount), reinterpret_cast<LPARAM>(anRight.data()));
    for (int i = 0; i < nCount; ++i) {
        UINT nFlags = i == 0 ? SBT_NOBORDERS : 0;
        SendMessage(SB_SETTEXTA, static_cast<WPARAM>(i) | nFlags,
                    reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_astrPaneText[static_cast<size_t>(i)])));
    }
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    CString& strPane = m_astrPaneText[static_cast<size_t>(nIndex)];
    CString strNew(lpszNewText);
    if (strPane == strNew)
        return TRUE;
    strPane = strNew;
    if (m_hWnd != nullptr) {
        UINT nFlags = nIndex == 0 ? SBT_NOBORDERS : 0;
        SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nFlags,
                    reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strPane)));
        if (bUpdate)
            UpdateWindow();
    }
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    CString str;
    GetPaneText(nIndex, str);
    return str;
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        rString.Empty();
    else
        rString = m_astrPaneText[static_cast<size_t>(nIndex)];
}
