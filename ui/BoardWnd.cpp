#include "ui/BoardWnd.h"
#include "framework/PaintDC.h"
#include "framework/StatusBar.h"
#include "framework/WndClass.h"
#include "game/TextFormat.h"
#include "res/resource.h"
#include "ui/NumberButton.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CBoardWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNeedText)
    ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, OnToolTipNeedText)
END_MESSAGE_MAP()

namespace {

CNumberButton* AsButton(CNumberCell* pCell)
{
    return static_cast<CNumberButton*>(pCell);
}

} // namespace

CBoardWnd::CBoardWnd() : m_pStatusBar(nullptr) {}

CBoardWnd::~CBoardWnd()
{
    if (m_bButtonsCreated)
        DestroyButtons();
}

BOOL CBoardWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // A board whose window is gone (closed from outside) takes no more clicks.
    const UINT nLastID = static_cast<UINT>(IDC_NUMBER_BASE + m_nGridSize * m_nGridSize);
    if (m_hWnd != nullptr && nID > IDC_NUMBER_BASE && nID <= nLastID)
        OnNumberClicked(static_cast<int>(nID) - IDC_NUMBER_BASE);
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CBoardWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    CWnd::EnableToolTips(TRUE);
    LoadHintTexts();
    return CWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
}

BOOL CBoardWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~static_cast<LONG>(WS_BORDER);
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    return TRUE;
}

void CBoardWnd::SetStatusBar(CStatusBar* pStatusBar)
{
    m_pStatusBar = pStatusBar;
}

void CBoardWnd::LoadHintTexts()
{
    CString strText;
    strText.LoadString(IDS_HINT_HERE);
    CopyText(m_szHintHere, sizeof m_szHintHere, strText);
    strText.LoadString(IDS_HINT_NEXT);
    CopyText(m_szHintNext, sizeof m_szHintNext, strText);
    strText.LoadString(IDS_REMAINING);
    CopyText(m_szRemaining, sizeof m_szRemaining, strText);
    strText.LoadString(IDS_CLEARED);
    CopyText(m_szCleared, sizeof m_szCleared, strText);
}

void CBoardWnd::OnPaint()
{
    // The class brush paints the background and the buttons paint themselves.
    CPaintDC dc(this);
}

void CBoardWnd::OnClose()
{
    if (m_bButtonsCreated)
        DestroyButtons();
    Default();
}

// The text of the tip over a number button: where the next number is, asked afresh each time a tip shows.
// Answers the wide request with the same decisions, for a board whose tooltip talks Unicode.
BOOL CBoardWnd::OnToolTipNeedText(UINT, NMHDR* pNMHDR, LRESULT*)
{
    if (!m_bNavigation)
        return FALSE;

    bool bWide = pNMHDR->code == TTN_NEEDTEXTW;
    TOOLTIPTEXTA* pTTA = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    TOOLTIPTEXTW* pTTW = reinterpret_cast<TOOLTIPTEXTW*>(pNMHDR);
    UINT nFlags = bWide ? pTTW->uFlags : pTTA->uFlags;
    HWND hWndTool;
    int nID;
    if (nFlags & TTF_IDISHWND) {
        hWndTool = reinterpret_cast<HWND>(pNMHDR->idFrom);
        nID = ::GetDlgCtrlID(hWndTool);
    } else {
        nID = static_cast<int>(pNMHDR->idFrom);
        hWndTool = pNMHDR->hwndFrom;
    }
    if (nID <= IDC_NUMBER_BASE)
        return FALSE;
    if (nID >= m_nGridSize * m_nGridSize + IDC_NUMBER_BASE + 1)
        return FALSE;
    if (!::IsWindowEnabled(hWndTool))
        return FALSE;

    int nNext = m_nCleared + 1;
    CNumberCell* pButton = m_apButtons[nID - IDC_NUMBER_BASE - 1];
    // No game on the board yet (or its buttons already gone): nothing to point at.
    if (pButton == nullptr)
        return FALSE;
    char szHint[80];
    LPCSTR pszText = m_szHintHere;
    if (pButton->GetNumber() != nNext) {
        FormatText(szHint, sizeof(szHint), m_szHintNext, nNext);
        pszText = szHint;
    }

    if (bWide)
        ::MultiByteToWideChar(932, 0, pszText, -1, pTTW->szText, static_cast<int>(sizeof(pTTW->szText) / sizeof(WCHAR)));
    else
        CopyText(pTTA->szText, sizeof pTTA->szText, pszText);
    return TRUE;
}

CNumberCell* CBoardWnd::NewButton(int nRow, int nCol, int nPosition, int nCellSize)
{
    return new CNumberButton(nRow, nCol, nPosition, nCellSize);
}

void CBoardWnd::CreateButtonWindow(CNumberCell* pButton, int nNumber)
{
    AsButton(pButton)->CreateNumbered(nNumber, this);
}

void CBoardWnd::ShowButton(CNumberCell* pButton, int bShow)
{
    AsButton(pButton)->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CBoardWnd::DestroyButton(CNumberCell* pButton)
{
    CNumberButton* pNumberButton = AsButton(pButton);
    pNumberButton->DestroyWindow();
    delete pNumberButton;
}

void CBoardWnd::SetStatusText(const char* pszText)
{
    if (m_pStatusBar != nullptr)
        m_pStatusBar->SetPaneText(0, pszText, TRUE);
}

void CBoardWnd::Beep(unsigned int nType)
{
    ::MessageBeep(nType);
}

void CBoardWnd::NotifyCleared()
{
    // Posted, so the frame sees it only after the click handler has returned.
    CWnd* pTarget = GetParentFrame();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget != nullptr)
        ::PostMessageA(pTarget->m_hWnd, WM_GAMECLEARED, 0, 0);
}
