// The menu as the frame drives it: prompts in pane 0, the update when a pop-up opens, the status-bar
// toggle and the navigation check mark.
#include "common/Cp932.h"
#include "common/Pump.h"
#include "common/WindowFinder.h"
#include "frame/FrameSupport.h"
#include "frame/FrameTexts.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace frametest;

namespace {

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pWatcher = std::make_unique<CDialogWatcher>();
        m_hWndFrame = StartApp();
        ASSERT_NE(m_hWndFrame, nullptr);
        m_hMenu = ::GetMenu(m_hWndFrame);
        ASSERT_NE(m_hMenu, nullptr);
        m_pWatcher->Clear();
    }

    void TearDown() override
    {
        EndApp();
        m_pWatcher.reset();
    }

    HMENU PopUp(int nIndex) const { return ::GetSubMenu(m_hMenu, nIndex); }

    // What the system sends when the user highlights an item.
    void Highlight(HMENU hMenu, UINT nItem, UINT nFlags)
    {
        ::SendMessageA(m_hWndFrame, WM_MENUSELECT, MAKEWPARAM(nItem, nFlags | MF_HILITE),
                       reinterpret_cast<LPARAM>(hMenu));
    }

    void OpenPopUp(int nIndex)
    {
        ::SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(PopUp(nIndex)),
                       MAKELPARAM(nIndex, FALSE));
    }

    UINT StateOf(UINT nID) const { return ::GetMenuState(m_hMenu, nID, MF_BYCOMMAND); }

    std::unique_ptr<CDialogWatcher> m_pWatcher;
    HWND m_hWndFrame = nullptr;
    HMENU m_hMenu = nullptr;
};

struct PromptCase {
    int nPopUp;
    UINT nID;
    const char* pszPrompt;
};

const PromptCase kPrompts[] = {
    { 0, ID_GAME_RETRY, kPromptRetry },        { 0, ID_APP_EXIT, kPromptExit },
    { 1, ID_GAME_2X2, kPrompt2x2 },            { 1, ID_GAME_3X3, kPrompt3x3 },
    { 1, ID_GAME_4X4, kPrompt4x4 },            { 1, ID_GAME_5X5, kPrompt5x5 },
    { 2, ID_VIEW_RANKING, kPromptRanking },    { 2, ID_VIEW_NAVIGATION, kPromptNavigation },
    { 2, ID_VIEW_STATUS_BAR, kPromptStatusBar }, { 3, ID_APP_ABOUT, kPromptAbout },
};

} // namespace

TEST_F(MenuTest, HighlightedItemShowsItsPromptUpToTheLineFeed)
{
    for (const PromptCase& c : kPrompts) {
        OpenPopUp(c.nPopUp);
        // Greyed items (the ranking) show their prompt too.
        Highlight(PopUp(c.nPopUp), c.nID, ::GetMenuState(PopUp(c.nPopUp), c.nID, MF_BYCOMMAND));
        EXPECT_CP932_EQ(c.pszPrompt, GetPane(m_hWndFrame)) << "item " << c.nID;
    }
}

TEST_F(MenuTest, PopUpTitlesAndSeparatorsEmptyThePane)
{
    for (int i = 0; i < 4; ++i) {
        Highlight(PopUp(0), ID_GAME_RETRY, 0);
        Highlight(m_hMenu, static_cast<UINT>(i), MF_POPUP);
        EXPECT_CP932_EQ("", GetPane(m_hWndFrame)) << "pop-up " << i;
    }
    Highlight(PopUp(0), ID_GAME_RETRY, 0);
    Highlight(PopUp(0), 0, MF_SEPARATOR);
    EXPECT_CP932_EQ("", GetPane(m_hWndFrame));
}

TEST_F(MenuTest, SystemMenuItemsShowTheFrameworkPrompts)
{
    struct SysCase {
        UINT nCommand;
        UINT nString;
    };
    const SysCase kSys[] = { { SC_SIZE, 61184 },       { SC_MOVE, 61185 },     { SC_MINIMIZE, 61186 },
                             { SC_MAXIMIZE, 61187 },   { SC_NEXTWINDOW, 61188 }, { SC_PREVWINDOW, 61189 },
                             { SC_CLOSE, 61190 },      { SC_RESTORE, 61202 },  { SC_TASKLIST, 61203 } };
    HMENU hSysMenu = ::GetSystemMenu(m_hWndFrame, FALSE);
    for (const SysCase& c : kSys) {
        char szExpected[256] = "";
        ::LoadStringA(::GetModuleHandleA(nullptr), c.nString, szExpected, sizeof szExpected);
        EXPECT_NE(0u, std::string(szExpected).size()) << "string " << c.nString;
        Highlight(hSysMenu, c.nCommand, MF_SYSMENU);
        EXPECT_CP932_EQ(szExpected, GetPane(m_hWndFrame)) << "system command 0x" << std::hex << c.nCommand;
    }
}

TEST_F(MenuTest, ClosingAnyMenuShowsTheIdlePromptAtOnce)
{
    ClickInOrder(m_hWndFrame, 1, 1);
    EXPECT_CP932_EQ(std::string("24") + kRemainingTail, GetPane(m_hWndFrame));
    OpenPopUp(2);
    Highlight(PopUp(2), ID_VIEW_RANKING, MF_GRAYED);
    ::SendMessageA(m_hWndFrame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_CP932_EQ(kIdle, GetPane(m_hWndFrame));
    // The next correct click writes the count again.
    ClickInOrder(m_hWndFrame, 2, 2);
    EXPECT_CP932_EQ(std::string("23") + kRemainingTail, GetPane(m_hWndFrame));
}

TEST_F(MenuTest, RealMenuChosenByKeyboardStartsGameUnderIdlePrompt)
{
    ClickInOrder(m_hWndFrame, 1, 2);
    // Alt+F opens "File"; Enter takes its first item, the retry. The menu loop reads the queued keys.
    ::PostMessageA(m_hWndFrame, WM_SYSCOMMAND, SC_KEYMENU, 'f');
    ::PostMessageA(m_hWndFrame, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageA(m_hWndFrame, WM_KEYUP, VK_RETURN, 0xC01C0001);
    ASSERT_TRUE(guitest::PumpUntil([this] { return m_pWatcher->Seen().size() == 1; }));
    guitest::PumpPendingMessages();
    EXPECT_CP932_EQ(kStartCaption, m_pWatcher->Seen()[0].strCaption);
    EXPECT_CP932_EQ(kIdle, m_pWatcher->Seen()[0].strPane) << "the menu closed before the command ran";
    EXPECT_CP932_EQ(kIdle, GetPane(m_hWndFrame));
    EXPECT_EQ(25u, VisibleButtons(m_hWndFrame).size());
}

TEST_F(MenuTest, UpdateGreysRankingEveryTimeTheViewPopUpOpens)
{
    EXPECT_EQ(0u, StateOf(ID_VIEW_RANKING) & MF_GRAYED) << "nothing is greyed before a pop-up opens";
    for (int nOpen = 0; nOpen < 3; ++nOpen) {
        OpenPopUp(2);
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), StateOf(ID_VIEW_RANKING) & MF_GRAYED) << "opening " << nOpen;
        EXPECT_EQ(0u, StateOf(ID_VIEW_NAVIGATION) & (MF_GRAYED | MF_CHECKED));
        EXPECT_EQ(static_cast<UINT>(MF_CHECKED), StateOf(ID_VIEW_STATUS_BAR) & (MF_GRAYED | MF_CHECKED));
        ::EnableMenuItem(m_hMenu, ID_VIEW_RANKING, MF_BYCOMMAND | MF_ENABLED);
    }
    // Every other command has a handler on the routing path: board, frame, application.
    const UINT kHandled[] = { ID_GAME_RETRY, ID_APP_EXIT, ID_GAME_2X2, ID_GAME_3X3, ID_GAME_4X4, ID_GAME_5X5,
                              ID_APP_ABOUT };
    for (int i = 0; i < 4; ++i)
        OpenPopUp(i);
    for (UINT nID : kHandled)
        EXPECT_EQ(0u, StateOf(nID) & MF_GRAYED) << "item " << nID;
}

TEST_F(MenuTest, SystemMenuIsLeftToTheSystem)
{
    HMENU hSysMenu = ::GetSystemMenu(m_hWndFrame, FALSE);
    UINT nBefore = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
    ::SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hSysMenu), MAKELPARAM(0, TRUE));
    EXPECT_EQ(nBefore, ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND));
}

TEST_F(MenuTest, StatusBarToggleRelaysTheBoardAndKeepsTheFrameSize)
{
    HWND hBar = GetStatusBar(m_hWndFrame);
    HWND hBoard = GetBoardWindow(m_hWndFrame);
    RECT rectFrame = GetWindowRectOf(m_hWndFrame);
    RECT rectClient;
    ::GetClientRect(m_hWndFrame, &rectClient);
    RECT rectBar = guitest::GetRectInParent(hBar, m_hWndFrame);
    int nBarHeight = rectBar.bottom - rectBar.top;
    ASSERT_GT(nBarHeight, 0);

    ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    EXPECT_EQ(rectClient.bottom, guitest::GetRectInParent(hBoard, m_hWndFrame).bottom);
    RECT rectAfter = GetWindowRectOf(m_hWndFrame);
    EXPECT_TRUE(::EqualRect(&rectFrame, &rectAfter)) << "the frame keeps its size";
    OpenPopUp(2);
    EXPECT_EQ(0u, StateOf(ID_VIEW_STATUS_BAR) & MF_CHECKED);

    // A new game sizes the frame by the same formula; the bar stays hidden.
    ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_GAME_4X4, 0);
    RECT rect4 = GetWindowRectOf(m_hWndFrame);
    EXPECT_EQ(249, rect4.right - rect4.left);
    EXPECT_EQ(306, rect4.bottom - rect4.top);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    ::GetClientRect(m_hWndFrame, &rectClient);
    EXPECT_EQ(rectClient.bottom, guitest::GetRectInParent(hBoard, m_hWndFrame).bottom);

    ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    EXPECT_EQ(rectClient.bottom - nBarHeight, guitest::GetRectInParent(hBoard, m_hWndFrame).bottom);
    EXPECT_EQ(rectClient.bottom, guitest::GetRectInParent(hBar, m_hWndFrame).bottom);
    OpenPopUp(2);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), StateOf(ID_VIEW_STATUS_BAR) & MF_CHECKED);
}

TEST_F(MenuTest, NavigationItemTogglesCheckMarkAndHints)
{
    CBoardWnd* pBoard = GetBoard(m_hWndFrame);
    ASSERT_NE(pBoard, nullptr);
    EXPECT_FALSE(pBoard->GetNavigation());
    const BOOL kExpected[] = { TRUE, FALSE, TRUE };
    for (BOOL bOn : kExpected) {
        ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_VIEW_NAVIGATION, 0);
        OpenPopUp(2);    // the update leaves the mark alone
        EXPECT_EQ(bOn ? static_cast<UINT>(MF_CHECKED) : 0u, StateOf(ID_VIEW_NAVIGATION) & MF_CHECKED);
        EXPECT_EQ(bOn, pBoard->GetNavigation());
    }
    // The hints survive a new game.
    ::SendMessageA(m_hWndFrame, WM_COMMAND, ID_GAME_2X2, 0);
    EXPECT_TRUE(pBoard->GetNavigation());
}
