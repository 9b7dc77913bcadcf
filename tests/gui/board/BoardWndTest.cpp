// The board hosted in a frame with a status bar, as the main frame hosts it, driven by real messages.
#include "common/Cp932.h"
#include "common/Pump.h"
#include "common/WindowFinder.h"
#include "framework/Afx.h"
#include "game/NumberShuffle.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace guitest;

namespace {

const std::uint32_t kSeedTime = 1700000000u;
const std::string kRemaining = " \x8C\xC2\x8E\x63\x82\xE8";                    // " 個残り"
const std::string kClearedSuffix = " \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!";    // " 秒でクリア!!"

// The board with its clock, calendar and beeper observable; everything else is the real thing.
class CTestBoard : public CBoardWnd {
public:
    std::vector<unsigned int> m_anBeeps;
    int m_nClock = 1000;

    CNumberCell* Button(int nPosition) const { return GetButton(nPosition); }

protected:
    void Beep(unsigned int nType) override { m_anBeeps.push_back(nType); }
    int ReadClock() override { return m_nClock; }
    std::uint32_t ReadCalendarTime() override { return kSeedTime; }
};

// A frame like the main one: status bar with one pane, the board as first pane.
class CTestFrame : public CFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    CTestBoard m_wndBoard;
    int m_nGameCleared = 0;

    BOOL CreateFrame()
    {
        if (!CreateEx(0, nullptr, "Board test", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 420,
                      420, nullptr, nullptr))
            return FALSE;
        RECT rectNone = { 0, 0, 0, 0 };
        if (!m_wndBoard.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rectNone, this,
                               AFX_IDW_PANE_FIRST))
            return FALSE;
        if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
            return FALSE;
        static const UINT indicators[] = { ID_SEPARATOR };
        if (!m_wndStatusBar.SetIndicators(indicators, 1))
            return FALSE;
        m_wndBoard.SetStatusBar(&m_wndStatusBar);
        LayOut();
        return TRUE;
    }

    void LayOut()
    {
        RECT rectClient, rectBar;
        GetClientRect(&rectClient);
        m_wndStatusBar.SendMessage(WM_SIZE, 0, 0);
        rectBar = GetRectInParent(m_wndStatusBar.m_hWnd, m_hWnd);
        ::MoveWindow(m_wndBoard.m_hWnd, 0, 0, rectClient.right, rectBar.top, TRUE);
    }

protected:
    void PostNcDestroy() override {}    // the test owns the object

    LRESULT OnGameCleared(WPARAM, LPARAM)
    {
        ++m_nGameCleared;
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_MESSAGE(WM_GAMECLEARED, OnGameCleared)
END_MESSAGE_MAP()

std::vector<int> ExpectedNumbers(int nGridSize)
{
    CNumberShuffle shuffle;
    shuffle.Begin(nGridSize, kSeedTime);
    std::vector<int> anNumbers;
    for (int i = 0; i < nGridSize * nGridSize; ++i)
        anNumbers.push_back(shuffle.Draw());
    return anNumbers;
}

class BoardWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = std::make_unique<CTestFrame>();
        ASSERT_TRUE(m_pFrame->CreateFrame());
        PumpPendingMessages();
    }

    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        m_pFrame.reset();
        AfxDeleteTempMap();
        PumpPendingMessages();
    }

    CTestBoard& Board() { return m_pFrame->m_wndBoard; }
    HWND BoardHwnd() { return m_pFrame->m_wndBoard.m_hWnd; }
    HWND StatusHwnd() { return m_pFrame->m_wndStatusBar.m_hWnd; }

    void StartGame(int nGridSize)
    {
        Board().SetGridSize(nGridSize);
        Board().StartGame();
    }

    HWND ButtonOfNumber(int nNumber)
    {
        for (HWND hWnd : GetChildWindows(BoardHwnd())) {
            if (GetTextOf(hWnd) == std::to_string(nNumber))
                return hWnd;
        }
        return nullptr;
    }

    // What the button does when the user releases the mouse over it.
    void Click(HWND hWndButton)
    {
        ::SendMessageA(BoardHwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hWndButton), BN_CLICKED),
                       reinterpret_cast<LPARAM>(hWndButton));
    }

    void SendCommand(int nID, int nCode = BN_CLICKED)
    {
        ::SendMessageA(BoardHwnd(), WM_COMMAND, MAKEWPARAM(nID, nCode), 0);
    }

    int VisibleButtons()
    {
        int nVisible = 0;
        for (HWND hWnd : GetChildWindows(BoardHwnd()))
            nVisible += ::IsWindowVisible(hWnd) ? 1 : 0;
        return nVisible;
    }

    // Pane 0 through both ways a reader has: the status bar's own message and WM_GETTEXT.
    void ExpectPaneText(const std::string& strExpected)
    {
        EXPECT_CP932_EQ(strExpected, GetStatusPaneText(StatusHwnd(), 0));
        EXPECT_CP932_EQ(strExpected, GetTextOf(StatusHwnd()));
    }

    std::unique_ptr<CTestFrame> m_pFrame;
};

TEST_F(BoardWndTest, StartGameShowsNumberedButtonsTilingTheTopLeftSquare)
{
    for (int nGridSize = 2; nGridSize <= 5; ++nGridSize) {
        SCOPED_TRACE("N = " + std::to_string(nGridSize));
        StartGame(nGridSize);
        std::vector<int> anExpected = ExpectedNumbers(nGridSize);
        std::vector<HWND> ahButtons = GetChildWindows(BoardHwnd());
        ASSERT_EQ(static_cast<size_t>(nGridSize * nGridSize), ahButtons.size());

        for (int nPosition = 1; nPosition <= nGridSize * nGridSize; ++nPosition) {
            SCOPED_TRACE("position " + std::to_string(nPosition));
            HWND hWnd = ::GetDlgItem(BoardHwnd(), IDC_NUMBER_BASE + nPosition);
            ASSERT_NE(nullptr, hWnd);
            EXPECT_EQ("Button", GetClassNameOf(hWnd));
            EXPECT_EQ(std::to_string(anExpected[static_cast<size_t>(nPosition - 1)]), GetTextOf(hWnd));
            EXPECT_TRUE(::IsWindowVisible(hWnd));
            LONG nStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
            EXPECT_EQ(0, nStyle & WS_TABSTOP);
            EXPECT_EQ(BS_PUSHBUTTON, nStyle & 0x0F);

            int nRow = (nPosition - 1) / nGridSize;
            int nCol = (nPosition - 1) % nGridSize;
            RECT rect = GetRectInParent(hWnd, BoardHwnd());
            EXPECT_EQ(nCol * 60, rect.left);
            EXPECT_EQ(nRow * 60, rect.top);
            EXPECT_EQ((nCol + 1) * 60, rect.right);
            EXPECT_EQ((nRow + 1) * 60, rect.bottom);
        }

        Board().DestroyButtons();
        EXPECT_TRUE(GetChildWindows(BoardHwnd()).empty());
    }
}

TEST_F(BoardWndTest, RightClicksHideButtonsAndCountDownInThePane)
{
    StartGame(4);
    for (int nNumber = 1; nNumber <= 15; ++nNumber) {
        SCOPED_TRACE("click on " + std::to_string(nNumber));
        HWND hWnd = ButtonOfNumber(nNumber);
        ASSERT_NE(nullptr, hWnd);
        Click(hWnd);
        EXPECT_FALSE(::IsWindowVisible(hWnd));
        EXPECT_EQ(16 - nNumber, VisibleButtons());
        ExpectPaneText(std::to_string(16 - nNumber) + kRemaining);
    }
    EXPECT_TRUE(Board().m_anBeeps.empty());
}

TEST_F(BoardWndTest, WrongClickBeepsAndChangesNothing)
{
    StartGame(3);
    Click(ButtonOfNumber(1));
    const std::string strPane = GetStatusPaneText(StatusHwnd(), 0);

    Click(ButtonOfNumber(3));
    EXPECT_EQ(std::vector<unsigned int>{ MB_ICONEXCLAMATION }, Board().m_anBeeps);
    EXPECT_TRUE(::IsWindowVisible(ButtonOfNumber(3)));
    EXPECT_EQ(8, VisibleButtons());
    EXPECT_EQ(1, Board().GetCleared());
    ExpectPaneText(strPane);
}

TEST_F(BoardWndTest, IdsJustOutsideTheGridAreNotClicks)
{
    StartGame(3);
    HWND hWndOne = ButtonOfNumber(1);
    const int nPositionOfOne = ::GetDlgCtrlID(hWndOne) - IDC_NUMBER_BASE;
    struct Case {
        int nID;
        int nCode;
    } cases[] = {
        { IDC_NUMBER_BASE, BN_CLICKED },
        { IDC_NUMBER_BASE + 3 * 3 + 1, BN_CLICKED },
        { IDC_NUMBER_BASE + 25, BN_CLICKED },
        { IDC_NUMBER_BASE, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("id " + std::to_string(c.nID) + " code " + std::to_string(c.nCode));
        SendCommand(c.nID, c.nCode);
        EXPECT_TRUE(Board().m_anBeeps.empty());
        EXPECT_EQ(9, VisibleButtons());
        EXPECT_EQ(0, Board().GetCleared());
    }
    // Whatever the code, an id inside the grid is a click: here a menu-style command with code 0.
    SendCommand(IDC_NUMBER_BASE + nPositionOfOne, 0);
    EXPECT_FALSE(::IsWindowVisible(hWndOne));
    EXPECT_EQ(1, Board().GetCleared());
}

TEST_F(BoardWndTest, LastClickPostsOneGameClearedAfterTheHandlerReturns)
{
    struct Case {
        int nElapsedMs;
        const char* pszSeconds;
    } cases[] = { { 12345, "12.35" }, { 500, "0.50" }, { 100000, "100.00" }, { 1005, "1.01" } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszSeconds);
        Board().m_nClock = 1000;
        StartGame(2);
        Board().m_nClock = 1000 + c.nElapsedMs;
        for (int nNumber = 1; nNumber <= 4; ++nNumber)
            Click(ButtonOfNumber(nNumber));

        // Posted, not sent: nothing reached the frame while the click was handled.
        EXPECT_EQ(0, m_pFrame->m_nGameCleared);
        MSG msg;
        ASSERT_TRUE(::PeekMessageA(&msg, m_pFrame->m_hWnd, WM_GAMECLEARED, WM_GAMECLEARED, PM_REMOVE));
        EXPECT_EQ(0u, msg.wParam);
        EXPECT_EQ(0, msg.lParam);
        EXPECT_FALSE(::PeekMessageA(&msg, m_pFrame->m_hWnd, WM_GAMECLEARED, WM_GAMECLEARED, PM_REMOVE));

        EXPECT_EQ(0, VisibleButtons());
        EXPECT_EQ(4u, GetChildWindows(BoardHwnd()).size());    // hidden, not destroyed
        EXPECT_EQ(std::vector<unsigned int>{ MB_ICONASTERISK }, Board().m_anBeeps);
        ExpectPaneText(c.pszSeconds + kClearedSuffix);

        Board().m_anBeeps.clear();
        Board().DestroyButtons();
    }
}

TEST_F(BoardWndTest, GameClearedReachesTheFrameThroughTheQueue)
{
    StartGame(2);
    for (int nNumber = 1; nNumber <= 4; ++nNumber)
        Click(ButtonOfNumber(nNumber));
    EXPECT_EQ(0, m_pFrame->m_nGameCleared);
    PumpPendingMessages();
    EXPECT_EQ(1, m_pFrame->m_nGameCleared);
}

TEST_F(BoardWndTest, SameTextTwiceLeavesThePaneAlone)
{
    m_pFrame->m_wndStatusBar.SetPaneText(0, "abc");
    ::SendMessageA(StatusHwnd(), SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("changed behind"));
    m_pFrame->m_wndStatusBar.SetPaneText(0, "abc");
    ExpectPaneText("changed behind");
    m_pFrame->m_wndStatusBar.SetPaneText(0, "xyz");
    ExpectPaneText("xyz");
}

TEST_F(BoardWndTest, CloseFromOutsideRemovesButtonsAndBoardAndLaterGamesAreHarmless)
{
    StartGame(3);
    HWND hWndBoard = BoardHwnd();
    HWND hWndButton = ButtonOfNumber(1);
    ::SendMessageA(hWndBoard, WM_CLOSE, 0, 0);

    EXPECT_FALSE(::IsWindow(hWndButton));
    EXPECT_FALSE(::IsWindow(hWndBoard));
    EXPECT_EQ(nullptr, Board().m_hWnd);
    EXPECT_EQ(nullptr, Board().Button(1));

    // What the frame's next NewGame does.
    Board().DestroyButtons();
    Board().SetGridSize(4);
    Board().StartGame();
    std::vector<HWND> ahChildren = GetChildWindows(m_pFrame->m_hWnd);
    ASSERT_EQ(1u, ahChildren.size());
    EXPECT_EQ(StatusHwnd(), ahChildren[0]);

    const std::string strPane = GetStatusPaneText(StatusHwnd(), 0);
    for (int nPosition = 1; nPosition <= 16; ++nPosition)
        Board().OnCmdMsg(IDC_NUMBER_BASE + nPosition, BN_CLICKED, nullptr, nullptr);
    EXPECT_EQ(0, Board().GetCleared());
    EXPECT_TRUE(Board().m_anBeeps.empty());
    ExpectPaneText(strPane);
    Board().DestroyButtons();
}

TEST_F(BoardWndTest, BoardHasClientEdgeNoBorderAndTheWindowColourClass)
{
    LONG nStyle = ::GetWindowLongA(BoardHwnd(), GWL_STYLE);
    LONG nExStyle = ::GetWindowLongA(BoardHwnd(), GWL_EXSTYLE);
    EXPECT_EQ(WS_EX_CLIENTEDGE, nExStyle & WS_EX_CLIENTEDGE);
    EXPECT_EQ(0, nStyle & WS_BORDER);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE), nStyle & (WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(BoardHwnd()));
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), ::GetClassLongPtrA(BoardHwnd(), GCL_STYLE));
    EXPECT_EQ(static_cast<ULONG_PTR>(COLOR_WINDOW + 1), ::GetClassLongPtrA(BoardHwnd(), GCLP_HBRBACKGROUND));
    EXPECT_TRUE(Board().m_bToolTipsEnabled);
}

TEST_F(BoardWndTest, ClearedSquareShowsTheWindowColour)
{
    StartGame(2);
    PumpPendingMessages();
    HWND hWndOne = ButtonOfNumber(1);
    RECT rect = GetRectInParent(hWndOne, BoardHwnd());
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;

    Click(hWndOne);
    ::UpdateWindow(BoardHwnd());
    HDC hDC = ::GetDC(BoardHwnd());
    COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(BoardHwnd(), hDC);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), color) << "pixel at (" << x << ", " << y << ")";
}

TEST_F(BoardWndTest, HintTextsComeFromTheStringTable)
{
    struct Case {
        UINT nID;
        std::string strExpected;
    } cases[] = {
        { IDS_HINT_HERE, "\x8E\x9F\x82\xCD\x82\xB1\x82\xB1\x82\xC5\x82\xB7!!" },
        { IDS_HINT_NEXT, "\x8E\x9F\x82\xCD %i \x82\xC5\x82\xB7\xA5\xA5\xA5" },
        { IDS_REMAINING, "%i" + kRemaining },
        { IDS_CLEARED, "%3.2f" + kClearedSuffix },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        CString str;
        EXPECT_TRUE(str.LoadString(c.nID));
        EXPECT_CP932_EQ(c.strExpected, std::string(static_cast<LPCSTR>(str)));
    }
}

// Not a test: shows a 5x5 game for a screenshot (run with --gtest_also_run_disabled_tests).
TEST_F(BoardWndTest, DISABLED_ShowFiveByFiveForScreenshot)
{
    ::SetWindowPos(m_pFrame->m_hWnd, HWND_TOP, 40, 40, 309, 366, SWP_SHOWWINDOW);
    m_pFrame->LayOut();
    StartGame(5);
    Click(ButtonOfNumber(1));
    Click(ButtonOfNumber(2));
    PumpFor(8000);
}

} // namespace
