// Navigation hints: the menu switch and its check mark, the tips a resting pointer brings up over the
// number buttons, when they stay away, and the board's answers to text requests sent to it directly.
#include "common/Cp932.h"
#include "common/DialogCloser.h"
#include "common/WindowFinder.h"
#include "hints/HintDriver.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace hinttest;

namespace {

// The sender of the direct requests: a tooltip control of the test's own, control id 0 like the real one.
HWND g_hWndSender = nullptr;

class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hWndFrame = StartApp();
        ASSERT_NE(m_hWndFrame, nullptr);
        ASSERT_EQ(25, CountVisibleButtons());
    }
    void TearDown() override
    {
        if (g_hWndSender != nullptr)
            ::DestroyWindow(g_hWndSender);
        g_hWndSender = nullptr;
        EndApp();
    }

    void CreateSender()
    {
        g_hWndSender = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(g_hWndSender, nullptr);
        ASSERT_EQ(0, ::GetDlgCtrlID(g_hWndSender));
    }

    void SwitchHintsOn()
    {
        Command(ID_VIEW_NAVIGATION);
        ASSERT_TRUE(IsNavigationChecked());
    }

    guitest::CDialogCloser m_closer;
    HWND m_hWndFrame = nullptr;
};

// What the board answers to a request sent to it directly; "(none)" when it left the record alone.
struct Answer {
    bool bAnswered;
    std::string strText;
};

Answer AskBoardA(UINT_PTR idFrom, UINT uFlags)
{
    TOOLTIPTEXTA ttt = {};
    ttt.hdr.hwndFrom = g_hWndSender;
    ttt.hdr.idFrom = idFrom;
    ttt.hdr.code = TTN_NEEDTEXTA;
    ttt.lpszText = ttt.szText;
    ttt.uFlags = uFlags;
    std::strcpy(ttt.szText, "(none)");
    ::SendMessageA(GetBoardWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
    std::string strText = ttt.szText;
    return { strText != "(none)", strText };
}

Answer AskBoardW(UINT_PTR idFrom, UINT uFlags)
{
    TOOLTIPTEXTW ttt = {};
    ttt.hdr.hwndFrom = g_hWndSender;
    ttt.hdr.idFrom = idFrom;
    ttt.hdr.code = TTN_NEEDTEXTW;
    ttt.lpszText = ttt.szText;
    ttt.uFlags = uFlags;
    ::lstrcpyW(ttt.szText, L"(none)");
    ::SendMessageA(GetBoardWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
    char szText[160] = {};
    ::WideCharToMultiByte(932, 0, ttt.szText, -1, szText, sizeof(szText), nullptr, nullptr);
    return { std::string(szText) != "(none)", szText };
}

// A request for a button, as the tooltip control sends it: the tool is the button's handle.
Answer AskForButton(HWND hButton)
{
    return AskBoardA(reinterpret_cast<UINT_PTR>(hButton), TTF_IDISHWND);
}

} // namespace

TEST_F(HintTest, OffAtStartNoMarkAndNoTip)
{
    EXPECT_FALSE(IsNavigationChecked());
    EXPECT_FALSE(GetBoard()->GetNavigation());

    HWND hButton = FindButton(1);
    ASSERT_NE(hButton, nullptr);
    std::string strTip = HoverFromOutside(hButton);
    EXPECT_CP932_EQ("", strTip);
    EXPECT_LE(1, GetRequestCount()) << "the tooltip control asks the board before it shows anything";
    EXPECT_CP932_EQ("", GetLastAnswer());
}

TEST_F(HintTest, CheckMarkFollowsTheFlag)
{
    const struct {
        bool bChecked;
    } aSteps[] = { { true }, { false }, { true }, { false } };
    for (size_t i = 0; i < sizeof(aSteps) / sizeof(aSteps[0]); ++i) {
        Command(ID_VIEW_NAVIGATION);
        EXPECT_EQ(aSteps[i].bChecked, IsNavigationChecked()) << "after " << i + 1 << " commands";
        EXPECT_EQ(aSteps[i].bChecked, GetBoard()->GetNavigation() != 0) << "after " << i + 1 << " commands";
    }

    // Opening the View menu finds the handler: the item stays enabled and keeps its mark.
    Command(ID_VIEW_NAVIGATION);
    HMENU hMenu = ::GetMenu(m_hWndFrame);
    HMENU hView = ::GetSubMenu(hMenu, 1);
    ::SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hView), MAKELPARAM(1, FALSE));
    UINT nState = ::GetMenuState(hMenu, ID_VIEW_NAVIGATION, MF_BYCOMMAND);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), nState & (MF_CHECKED | MF_GRAYED | MF_DISABLED)) << std::hex << nState;
}

TEST_F(HintTest, BeforeAnyClickOneIsHereAndOthersNameOne)
{
    SwitchHintsOn();
    const struct {
        int nLabel;
        std::string strTip;
    } aCases[] = {
        { 1, kHintHere }, { 2, HintNext(1) }, { 13, HintNext(1) }, { 25, HintNext(1) }, { 1, kHintHere },
    };
    for (const auto& c : aCases) {
        HWND hButton = FindButton(c.nLabel);
        ASSERT_NE(hButton, nullptr) << c.nLabel;
        EXPECT_CP932_EQ(c.strTip, HoverFromOutside(hButton)) << "over the button labelled " << c.nLabel;
    }
}

TEST_F(HintTest, DirectRequestsAnsweredOnlyForTheGamesButtons)
{
    CreateSender();
    SwitchHintsOn();
    const struct {
        int nSize;
        UINT nID;
        bool bAnswered;
    } aCases[] = {
        { 5, 0, false },    { 5, 5000, false }, { 5, 5001, true },  { 5, 5025, true },
        { 5, 5026, false }, { 2, 0, false },    { 2, 5000, false }, { 2, 5001, true },
        { 2, 5004, true },  { 2, 5005, false }, { 2, 5025, false },
    };
    int nSize = 5;
    for (const auto& c : aCases) {
        if (c.nSize != nSize) {
            Command(c.nSize == 2 ? ID_GAME_2X2 : ID_GAME_5X5);
            nSize = c.nSize;
        }
        // A numeric tool id names the control; the sender is the window checked for being enabled.
        Answer answerA = AskBoardA(c.nID, 0);
        Answer answerW = AskBoardW(c.nID, 0);
        EXPECT_EQ(c.bAnswered, answerA.bAnswered) << nSize << "x" << nSize << ", id " << c.nID << ", text "
                                                  << guitest::DescribeBytes(answerA.strText);
        EXPECT_CP932_EQ(answerA.strText, answerW.strText) << "wide request for id " << c.nID;
    }
}

TEST_F(HintTest, DirectRequestNamesTheNextNumberByTheButtonsLabel)
{
    CreateSender();
    SwitchHintsOn();
    ClickInOrder(1, 11);
    Pump();
    const struct {
        int nLabel;
        std::string strText;
    } aCases[] = { { 12, kHintHere }, { 13, HintNext(12) }, { 25, HintNext(12) } };
    for (const auto& c : aCases) {
        HWND hButton = FindButton(c.nLabel);
        ASSERT_NE(hButton, nullptr) << c.nLabel;
        Answer answer = AskForButton(hButton);
        EXPECT_TRUE(answer.bAnswered) << c.nLabel;
        EXPECT_CP932_EQ(c.strText, answer.strText) << "button labelled " << c.nLabel;
        Answer answerW = AskBoardW(reinterpret_cast<UINT_PTR>(hButton), TTF_IDISHWND);
        EXPECT_CP932_EQ(c.strText, answerW.strText) << "wide request, button labelled " << c.nLabel;
    }
    // The twelve: three half-width middle dots, one byte each.
    EXPECT_CP932_EQ(std::string("\x8E\x9F\x82\xCD 12 \x82\xC5\x82\xB7\xA5\xA5\xA5"), HintNext(12));

    // Hints off: the same request is left alone.
    Command(ID_VIEW_NAVIGATION);
    EXPECT_FALSE(AskForButton(FindButton(12)).bAnswered);
}

TEST_F(HintTest, DisabledButtonAndBoardWithoutButtonsGetNoAnswer)
{
    CreateSender();
    SwitchHintsOn();
    HWND hButton = FindButton(3);
    ASSERT_NE(hButton, nullptr);
    ::EnableWindow(hButton, FALSE);
    EXPECT_FALSE(AskForButton(hButton).bAnswered);
    ::EnableWindow(hButton, TRUE);
    EXPECT_TRUE(AskForButton(hButton).bAnswered);

    // With the buttons gone there is nothing to point at, even for an id in range.
    GetBoard()->DestroyButtons();
    EXPECT_FALSE(AskBoardA(5001, 0).bAnswered);
    EXPECT_FALSE(AskBoardW(5001, 0).bAnswered);
}

TEST_F(HintTest, TipsNameTheNextNumberAfterClearsAndStayOffClearedSquares)
{
    SwitchHintsOn();
    const struct {
        UINT nSizeCommand;
        int nCleared;
        int nLabel;         // 0: the square of the button labelled nClearedSquare
        int nClearedSquare;
        std::string strTip;
    } aCases[] = {
        { ID_GAME_4X4, 6, 7, 0, kHintHere },     { ID_GAME_4X4, 6, 8, 0, HintNext(7) },
        { ID_GAME_4X4, 6, 16, 0, HintNext(7) },  { ID_GAME_4X4, 6, 0, 3, "" },
        { ID_GAME_5X5, 11, 20, 0, HintNext(12) }, { ID_GAME_5X5, 11, 12, 0, kHintHere },
        { ID_GAME_5X5, 11, 0, 11, "" },          { ID_GAME_2X2, 3, 4, 0, kHintHere },
        { ID_GAME_2X2, 3, 0, 1, "" },
    };
    for (const auto& c : aCases) {
        Command(c.nSizeCommand);
        POINT ptSquare = {};
        if (c.nClearedSquare != 0)
            ptSquare = CentreOf(FindButton(c.nClearedSquare));
        ClickInOrder(1, c.nCleared);
        Pump();
        ResetRequests();
        std::string strTip;
        if (c.nLabel != 0) {
            HWND hButton = FindButton(c.nLabel);
            ASSERT_NE(hButton, nullptr) << c.nLabel;
            strTip = HoverFromOutside(hButton);
        } else {
            MovePointer(OutsideBoard());
            PumpFor(50);
            MovePointer(ptSquare);
            Pump();
            strTip = RestAndSeeTip() ? GetTipText() : std::string();
            EXPECT_EQ(0, GetRequestCount()) << "a cleared square is no tool";
        }
        EXPECT_CP932_EQ(c.strTip, strTip) << "after " << c.nCleared << " clears, over "
                                          << (c.nLabel != 0 ? "the button labelled " + std::to_string(c.nLabel)
                                                            : "the square of " + std::to_string(c.nClearedSquare));
    }
}

TEST_F(HintTest, TipIsAskedAfreshEachTimeItShows)
{
    SwitchHintsOn();
    HWND hButton = FindButton(2);
    EXPECT_CP932_EQ(HintNext(1), HoverFromOutside(hButton));
    ClickInOrder(1, 1);
    Pump();
    EXPECT_CP932_EQ(kHintHere, HoverFromOutside(hButton));
}

TEST_F(HintTest, AfterAWrongClickTheTipStaysAwayUntilThePointerComesBack)
{
    SwitchHintsOn();
    HWND hButton = FindButton(5);
    HWND hNeighbour = FindButton(6);
    ASSERT_CP932_EQ(HintNext(1), HoverFromOutside(hButton));

    ClickPointer();
    EXPECT_TRUE(PumpUntil([] { return !IsTipVisible(); }, 2000)) << "the press hides the tip";
    EXPECT_EQ(25, CountVisibleButtons()) << "a wrong click clears nothing";
    ResetRequests();
    EXPECT_FALSE(RestAndSeeTip()) << "same button after the click";
    EXPECT_EQ(0, GetRequestCount());

    EXPECT_CP932_EQ(HintNext(1), HoverFromHere(hNeighbour)) << "onto a neighbouring button";
    EXPECT_CP932_EQ(HintNext(1), HoverFromHere(hButton)) << "back from the neighbour";

    // A key for the button hides the tip the same way.
    ::PostMessageA(hButton, WM_KEYDOWN, VK_SHIFT, 1);
    ::PostMessageA(hButton, WM_KEYUP, VK_SHIFT, 0xC0000001);
    EXPECT_TRUE(PumpUntil([] { return !IsTipVisible(); }, 2000)) << "a key hides the tip";
    EXPECT_FALSE(RestAndSeeTip()) << "same button after the key";
    EXPECT_CP932_EQ(HintNext(1), HoverFromOutside(hButton)) << "off the button and back onto it";
}

TEST_F(HintTest, NoTipWhileAnotherWindowIsActive)
{
    SwitchHintsOn();
    HWND hWndOther = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 160, 100, nullptr,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWndOther, nullptr);
    ::SetForegroundWindow(hWndOther);
    Pump();
    ASSERT_EQ(hWndOther, ::GetActiveWindow());

    ResetRequests();
    EXPECT_CP932_EQ("", HoverFromOutside(FindButton(1)));
    EXPECT_CP932_EQ("", HoverFromHere(FindButton(2)));
    EXPECT_EQ(0, GetRequestCount()) << "no tip is armed for an inactive frame";

    // Back to the frame the tips come again; losing the activation takes the tip on screen away.
    ::SetForegroundWindow(m_hWndFrame);
    Pump();
    EXPECT_CP932_EQ(HintNext(1), HoverFromHere(FindButton(3)));
    ::SetForegroundWindow(hWndOther);
    EXPECT_TRUE(PumpUntil([] { return !IsTipVisible(); }, 2000)) << "deactivation hides the tip";
    ::DestroyWindow(hWndOther);
    Pump();
}

TEST_F(HintTest, HintsSurviveRetrySizesAndTheNextGame)
{
    SwitchHintsOn();
    const struct {
        const char* pszStep;
        UINT nCommand;    // 0: clear the board and let the next game come
        int nButtons;
    } aSteps[] = {
        { "retry", ID_GAME_RETRY, 25 }, { "3x3", ID_GAME_3X3, 9 }, { "next game", 0, 9 }, { "2x2", ID_GAME_2X2, 4 },
    };
    for (const auto& step : aSteps) {
        if (step.nCommand != 0)
            Command(step.nCommand);
        else
            ClearBoardAndWaitNextGame();
        ASSERT_EQ(step.nButtons, CountVisibleButtons()) << step.pszStep;
        EXPECT_TRUE(IsNavigationChecked()) << step.pszStep;
        EXPECT_CP932_EQ(kHintHere, HoverFromOutside(FindButton(1))) << step.pszStep;
        EXPECT_CP932_EQ(HintNext(1), HoverFromHere(FindButton(2))) << step.pszStep;
    }
}

TEST_F(HintTest, TheTipIsTheFrameworksOneControl)
{
    SwitchHintsOn();
    ASSERT_CP932_EQ(kHintHere, HoverFromOutside(FindButton(1)));
    HWND hTip = GetToolTip();
    EXPECT_EQ("tooltips_class32", guitest::GetClassNameOf(hTip));
    EXPECT_EQ(m_hWndFrame, ::GetWindow(hTip, GW_OWNER)) << "the tip belongs to the main frame";
    EXPECT_TRUE(::GetWindowLongA(hTip, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(1, ::SendMessageA(hTip, TTM_GETTOOLCOUNT, 0, 0)) << "one tool at a time";

    // The tool is the button itself, a callback asked from the board; the control answers it synchronously.
    HWND hButton = FindButton(1);
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = GetBoardWindow();
    ti.uId = reinterpret_cast<UINT_PTR>(hButton);
    char szText[80] = {};
    ti.lpszText = szText;
    ::SendMessageA(hTip, TTM_GETTEXTA, sizeof(szText), reinterpret_cast<LPARAM>(&ti));
    EXPECT_CP932_EQ(kHintHere, std::string(szText));
}

// Holds a tip on screen for a screenshot: hint_tests --gtest_also_run_disabled_tests --gtest_filter=*Screenshot*
TEST_F(HintTest, DISABLED_HoldTipForScreenshot)
{
    SwitchHintsOn();
    ClickInOrder(1, 6);
    Pump();
    EXPECT_CP932_EQ(HintNext(7), HoverFromOutside(FindButton(13)));
    PumpFor(4000);
}

TEST_F(HintTest, BoardWithoutToolTipsShowsNone)
{
    SwitchHintsOn();
    ASSERT_CP932_EQ(kHintHere, HoverFromOutside(FindButton(1)));
    GetBoard()->EnableToolTips(FALSE);
    EXPECT_TRUE(PumpUntil([] { return !IsTipVisible(); }, 2000)) << "the tip on screen goes with its tool";
    ResetRequests();
    EXPECT_CP932_EQ("", HoverFromOutside(FindButton(2)));
    EXPECT_EQ(0, GetRequestCount());
    GetBoard()->EnableToolTips(TRUE);
    EXPECT_CP932_EQ(HintNext(1), HoverFromOutside(FindButton(2)));
}
