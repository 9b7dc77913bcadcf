#include "ui/MainFrame.h"
#include "framework/Menu.h"
#include "game/TextFormat.h"
#include "res/resource.h"
#include "ui/NoticeDlg.h"

#include <memory>

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_GAME_2X2, OnGame2x2)
    ON_COMMAND(ID_GAME_3X3, OnGame3x3)
    ON_COMMAND(ID_GAME_4X4, OnGame4x4)
    ON_COMMAND(ID_GAME_5X5, OnGame5x5)
    ON_COMMAND(ID_GAME_RETRY, OnGameRetry)
    ON_COMMAND(ID_VIEW_NAVIGATION, OnViewNavigation)
    ON_WM_CLOSE()
    ON_MESSAGE(WM_GAMECLEARED, OnGameCleared)
END_MESSAGE_MAP()

namespace {

// The status bar's one pane, which stretches over the whole bar.
const UINT s_anIndicators[] = { ID_SEPARATOR };

// String nID into a fixed buffer, cut short if need be without splitting a two-byte character.
template <size_t nSize>
void LoadText(char (&szBuffer)[nSize], UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    CopyText(szBuffer, nSize, strText);
}

} // namespace

CMainFrame::CMainFrame()
    : m_nGridSize(0), m_szStartLine1(), m_szStartLine2(), m_szStartButton(), m_szStartCaption(), m_szResultLine1(),
      m_szResultLine2(), m_szResultButton(), m_szResultCaption()
{
}

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The board sees every command first; it takes only its number buttons' ids.
    if (m_wndBoard.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    // The board carries the sunken edge; the frame has a fixed size and no maximise box.
    cs.dwExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    m_nGridSize = m_wndBoard.GetGridSize();
    cs.x = GetCenteredX();
    cs.y = GetCenteredY();
    cs.cx = GetFrameWidth();
    cs.cy = GetFrameHeight();
    m_wndBoard.SetNavigation(FALSE);
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateBoard())
        return -1;
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return -1;
    if (!m_wndStatusBar.SetIndicators(s_anIndicators, 1))
        return -1;
    m_wndBoard.SetStatusBar(&m_wndStatusBar);
    LoadNoticeTexts();
    // The frame is still hidden: the first notice stands alone, and the game starts when it closes.
    ShowStartNotice();
    m_wndBoard.StartGame();
    return 0;
}

BOOL CMainFrame::CreateBoard()
{
    RECT rect = { 0, 0, 0, 0 };
    return m_wndBoard.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, AFX_IDW_PANE_FIRST);
}

int CMainFrame::GetFrameWidth() const
{
    return m_wndBoard.GetCellSize() * m_nGridSize + 9;
}

int CMainFrame::GetFrameHeight() const
{
    return m_wndBoard.GetCellSize() * m_nGridSize + (m_nGridSize < 4 ? 84 : 66);
}

int CMainFrame::GetCenteredX() const
{
    return (::GetSystemMetrics(SM_CXSCREEN) - GetFrameWidth()) / 2;
}

int CMainFrame::GetCenteredY() const
{
    return (::GetSystemMetrics(SM_CYSCREEN) - GetFrameHeight()) / 2;
}

void CMainFrame::NewGame(int nSize)
{
    m_wndBoard.DestroyButtons();
    m_wndBoard.SetGridSize(nSize);
    m_nGridSize = m_wndBoard.GetGridSize();
    SetWindowPos(nullptr, 0, 0, GetFrameWidth(), GetFrameHeight(), SWP_SHOWWINDOW | SWP_NOMOVE);
    // A board closed from outside comes back, so the new game has somewhere to go.
    if (m_wndBoard.m_hWnd == nullptr && CreateBoard())
        RecalcLayout();
    ShowStartNotice();
    m_wndBoard.StartGame();
}

void CMainFrame::LoadNoticeTexts()
{
    LoadText(m_szStartLine1, IDS_START_LINE1);
    LoadText(m_szStartLine2, IDS_START_LINE2);
    LoadText(m_szStartButton, IDS_START_BUTTON);
    LoadText(m_szStartCaption, IDS_START_CAPTION);
    LoadText(m_szResultLine1, IDS_RESULT_LINE1);
    LoadText(m_szResultLine2, IDS_RESULT_LINE2);
    LoadText(m_szResultButton, IDS_RESULT_BUTTON);
    LoadText(m_szResultCaption, IDS_RESULT_CAPTION);
}

void CMainFrame::ShowStartNotice()
{
    std::unique_ptr<CNoticeDlg> pDlg(new CNoticeDlg(this));
    pDlg->m_strLine1 = m_szStartLine1;
    pDlg->m_strLine2 = m_szStartLine2;
    pDlg->m_strButton = m_szStartButton;
    pDlg->m_strCaption = m_szStartCaption;
    // However the notice was closed (or if it could not run), the game goes on the same way.
    pDlg->DoModal();
    pDlg->DestroyWindow();
}

LRESULT CMainFrame::OnGameCleared(WPARAM, LPARAM)
{
    std::unique_ptr<CNoticeDlg> pDlg(new CNoticeDlg(this));
    pDlg->m_strLine1 = m_szResultLine1;
    pDlg->m_strLine2.Format(m_szResultLine2, static_cast<double>(m_wndBoard.GetSeconds()));
    pDlg->m_strButton = m_szResultButton;
    pDlg->m_strCaption = m_szResultCaption;
    pDlg->DoModal();
    pDlg->DestroyWindow();
    pDlg.reset();
    NewGame(m_nGridSize);
    return 0;
}

void CMainFrame::OnGameRetry()
{
    NewGame(m_nGridSize);
}

void CMainFrame::OnGame2x2()
{
    NewGame(2);
}

void CMainFrame::OnGame3x3()
{
    NewGame(3);
}

void CMainFrame::OnGame4x4()
{
    NewGame(4);
}

void CMainFrame::OnGame5x5()
{
    NewGame(5);
}

void CMainFrame::OnViewNavigation()
{
    CMenu* pMenu = GetMenu();
    if (m_wndBoard.GetNavigation()) {
        if (pMenu != nullptr)
            pMenu->CheckMenuItem(ID_VIEW_NAVIGATION, MF_BYCOMMAND | MF_UNCHECKED);
        m_wndBoard.SetNavigation(FALSE);
    } else {
        if (pMenu != nullptr)
            pMenu->CheckMenuItem(ID_VIEW_NAVIGATION, MF_BYCOMMAND | MF_CHECKED);
        m_wndBoard.SetNavigation(TRUE);
    }
}
