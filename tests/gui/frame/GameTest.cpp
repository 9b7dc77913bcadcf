// The game cycle as the frame runs it: size commands, the cleared game, the result and start notices,
// the accelerator keys, and a board closed from outside.
#include "common/Cp932.h"
#include "common/Pump.h"
#include "common/WindowFinder.h"
#include "frame/FrameSupport.h"
#include "frame/FrameTexts.h"
#include "game/TextFormat.h"
#include "res/resource.h"
#include "ui/BoardWnd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace frametest;

namespace {

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pWatcher = std::make_unique<CDialogWatcher>();
        m_hWndFrame = StartApp();
        ASSERT_NE(m_hWndFrame, nullptr);
        m_pWatcher->Clear();
    }

    void TearDown() override
    {
        EndApp();
        EXPECT_EQ(0, m_pWatcher->GetMissed()) << "a dialog had to be closed by the fallback timer";
        m_pWatcher.reset();
    }

    void Command(UINT nID)
    {
        ::SendMessageA(m_hWndFrame, WM_COMMAND, nID, 0);
        guitest::PumpPendingMessages();
    }

    std::unique_ptr<CDialogWatcher> m_pWatcher;
    HWND m_hWndFrame = nullptr;
};

std::string FormatSeconds(double dSeconds, const char* pszTail)
{
    char szText[64];
    FormatText(szText, sizeof szText, "%3.2f", dSeconds);
    return std::string(szText) + pszTail;
}

struct SizeCase {
    UINT nCommand;
    int nGridSize;
    int nWidth;
    int nHeight;
};

// Each from a different size than before: 5 -> 2 -> 3 -> 4 -> 5.
const SizeCase kSizes[] = {
    { ID_GAME_2X2, 2, 129, 204 },
    { ID_GAME_3X3, 3, 189, 264 },
    { ID_GAME_4X4, 4, 249, 306 },
    { ID_GAME_5X5, 5, 309, 366 },
};

} // namespace

TEST_F(GameTest, SizeCommandsResizeKeepingTopLeftAndRetryKeepsTheSize)
{
    RECT rectStart = GetWindowRectOf(m_hWndFrame);
    for (const SizeCase& c : kSizes) {
        for (UINT nCommand : { c.nCommand, static_cast<UINT>(ID_GAME_RETRY) }) {
            m_pWatcher->Clear();
            Command(nCommand);
            ASSERT_EQ(1u, m_pWatcher->Seen().size()) << "command " << nCommand;
            const SeenDialog& notice = m_pWatcher->Seen()[0];
            EXPECT_CP932_EQ(kStartCaption, notice.strCaption);
            EXPECT_EQ(0, notice.nButtons) << "the board is empty under the start notice";
            EXPECT_TRUE(notice.bFrameVisible);
            EXPECT_FALSE(notice.bFrameEnabled);

            RECT rect = GetWindowRectOf(m_hWndFrame);
            EXPECT_EQ(c.nWidth, rect.right - rect.left) << "command " << nCommand;
            EXPECT_EQ(c.nHeight, rect.bottom - rect.top) << "command " << nCommand;
            EXPECT_EQ(rectStart.left, rect.left);
            EXPECT_EQ(rectStart.top, rect.top);
            EXPECT_EQ(static_cast<size_t>(c.nGridSize * c.nGridSize), VisibleButtons(m_hWndFrame).size());
            EXPECT_TRUE(::IsWindowEnabled(m_hWndFrame));
        }
    }
}

TEST_F(GameTest, ClearedGameShowsResultThenStartNoticeThenSameSizeWithClearTextKept)
{
    // 25 correct clicks on the first game.
    ClickInOrder(m_hWndFrame, 1, 25);
    CBoardWnd* pBoard = GetBoard(m_hWndFrame);
    ASSERT_NE(pBoard, nullptr);
    float fSeconds = pBoard->GetSeconds();
    // The pane formats the exact product elapsed x 0.001f; the notice the float seconds widened.
    int nElapsed = static_cast<int>(std::lround(static_cast<double>(fSeconds) * 1000.0));
    std::string strCleared = FormatSeconds(nElapsed * static_cast<double>(0.001f), kClearedTail);
    std::string strResult = FormatSeconds(static_cast<double>(fSeconds), kResultTail);
    EXPECT_CP932_EQ(strCleared, GetPane(m_hWndFrame));
    EXPECT_EQ(0u, VisibleButtons(m_hWndFrame).size());
    EXPECT_EQ(0u, m_pWatcher->Seen().size()) << "the result waits for the posted message";

    guitest::PumpPendingMessages();
    ASSERT_EQ(2u, m_pWatcher->Seen().size());
    const SeenDialog& result = m_pWatcher->Seen()[0];
    EXPECT_CP932_EQ(kResultCaption, result.strCaption);
    EXPECT_CP932_EQ(kResultLine1, result.strLine1);
    EXPECT_CP932_EQ(strResult, result.strLine2);
    EXPECT_CP932_EQ(kResultButton, result.strButton);
    EXPECT_CP932_EQ(strCleared, result.strPane);
    EXPECT_FALSE(result.bFrameEnabled);
    EXPECT_TRUE(result.bOwnerIsFrame);

    const SeenDialog& start = m_pWatcher->Seen()[1];
    EXPECT_CP932_EQ(kStartCaption, start.strCaption);
    EXPECT_CP932_EQ(strCleared, start.strPane);
    EXPECT_EQ(0, start.nButtons);

    RECT rect = GetWindowRectOf(m_hWndFrame);
    EXPECT_EQ(309, rect.right - rect.left);
    EXPECT_EQ(366, rect.bottom - rect.top);
    EXPECT_EQ(25u, VisibleButtons(m_hWndFrame).size());
    EXPECT_CP932_EQ(strCleared, GetPane(m_hWndFrame)) << "kept until the first correct click";
    ClickInOrder(m_hWndFrame, 1, 1);
    EXPECT_CP932_EQ(std::string("24") + kRemainingTail, GetPane(m_hWndFrame));
}

TEST_F(GameTest, ClearedSmallGameFollowsWithSameSmallSize)
{
    Command(ID_GAME_2X2);
    m_pWatcher->Clear();
    ClickInOrder(m_hWndFrame, 1, 4);
    guitest::PumpPendingMessages();
    ASSERT_EQ(2u, m_pWatcher->Seen().size());
    EXPECT_CP932_EQ(kResultCaption, m_pWatcher->Seen()[0].strCaption);
    EXPECT_CP932_EQ(kStartCaption, m_pWatcher->Seen()[1].strCaption);
    RECT rect = GetWindowRectOf(m_hWndFrame);
    EXPECT_EQ(129, rect.right - rect.left);
    EXPECT_EQ(204, rect.bottom - rect.top);
    EXPECT_EQ(4u, VisibleButtons(m_hWndFrame).size());
}

namespace {

struct KeyCase {
    const char* pszName;
    BYTE nKey;
    bool bCtrl;
    bool bShift;
    bool bAlt;
    UINT nCommand;
};

const KeyCase kKeys[] = {
    { "Ctrl+C", 'C', true, false, false, ID_EDIT_COPY },
    { "Ctrl+V", 'V', true, false, false, ID_EDIT_PASTE },
    { "Alt+Backspace", VK_BACK, false, false, true, ID_EDIT_UNDO },
    { "Shift+Delete", VK_DELETE, false, true, false, ID_EDIT_CUT },
    { "F6", VK_F6, false, false, false, ID_NEXT_PANE },
    { "Shift+F6", VK_F6, false, true, false, ID_PREV_PANE },
    { "Ctrl+Insert", VK_INSERT, true, false, false, ID_EDIT_COPY },
    { "Shift+Insert", VK_INSERT, false, true, false, ID_EDIT_PASTE },
    { "Ctrl+X", 'X', true, false, false, ID_EDIT_CUT },
    { "Ctrl+Z", 'Z', true, false, false, ID_EDIT_UNDO },
};

// Records the keys that reach a number button and the commands that reach the frame.
std::vector<UINT> g_anButtonKeys;
std::vector<WPARAM> g_anFrameCommands;
WNDPROC g_pfnButtonProc = nullptr;
HWND g_hWndFrameSeen = nullptr;

LRESULT CALLBACK RecordingButtonProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST)
        g_anButtonKeys.push_back(nMsg);
    return ::CallWindowProcA(g_pfnButtonProc, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK RecordCommands(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_COMMAND && pMsg->hwnd == g_hWndFrameSeen)
        g_anFrameCommands.push_back(pMsg->wParam);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void SetModifiers(bool bCtrl, bool bShift, bool bAlt)
{
    BYTE anState[256];
    ::GetKeyboardState(anState);
    anState[VK_CONTROL] = anState[VK_LCONTROL] = bCtrl ? 0x80 : 0;
    anState[VK_SHIFT] = anState[VK_LSHIFT] = bShift ? 0x80 : 0;
    anState[VK_MENU] = anState[VK_LMENU] = bAlt ? 0x80 : 0;
    ::SetKeyboardState(anState);
}

} // namespace

TEST_F(GameTest, AcceleratorKeysAreConsumedAndDoNothingEvenOnAFocusedButton)
{
    ClickInOrder(m_hWndFrame, 1, 2);
    std::string strPane = GetPane(m_hWndFrame);
    HWND hButton = FindButton(m_hWndFrame, 3);
    ASSERT_NE(hButton, nullptr);
    ::SetFocus(hButton);
    ASSERT_EQ(hButton, ::GetFocus());
    g_pfnButtonProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hButton, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingButtonProc)));
    g_hWndFrameSeen = m_hWndFrame;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordCommands, nullptr, ::GetCurrentThreadId());

    for (const KeyCase& c : kKeys) {
        g_anButtonKeys.clear();
        g_anFrameCommands.clear();
        SetModifiers(c.bCtrl, c.bShift, c.bAlt);
        UINT nMsg = c.bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        ::PostMessageA(hButton, nMsg, c.nKey, c.bAlt ? 0x20000001 : 0x00000001);
        // Through the application's own loop: PreTranslateMessage, then dispatch if not taken.
        EXPECT_TRUE(theTestApp.PumpMessage());
        guitest::PumpPendingMessages();

        EXPECT_EQ(0u, g_anButtonKeys.size()) << c.pszName << ": the focused button got the key";
        ASSERT_EQ(1u, g_anFrameCommands.size()) << c.pszName;
        EXPECT_EQ(MAKEWPARAM(c.nCommand, 1), g_anFrameCommands[0]) << c.pszName << ": accelerator command";
        EXPECT_CP932_EQ(strPane, GetPane(m_hWndFrame)) << c.pszName;
        EXPECT_EQ(23u, VisibleButtons(m_hWndFrame).size()) << c.pszName;
        EXPECT_EQ(0u, m_pWatcher->Seen().size()) << c.pszName;
    }

    // A key outside the table reaches the button.
    g_anButtonKeys.clear();
    SetModifiers(true, false, false);
    ::PostMessageA(hButton, WM_KEYDOWN, 'A', 1);
    EXPECT_TRUE(theTestApp.PumpMessage());
    EXPECT_EQ(1u, g_anButtonKeys.size()) << "Ctrl+A is no accelerator";

    SetModifiers(false, false, false);
    ::UnhookWindowsHookEx(hHook);
    ::SetWindowLongPtrA(hButton, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnButtonProc));
    EXPECT_EQ(hButton, ::GetFocus());
}

TEST_F(GameTest, NewGameAfterBoardClosedFromOutsideBringsTheBoardBack)
{
    HWND hBoard = GetBoardWindow(m_hWndFrame);
    ::SendMessageA(hBoard, WM_CLOSE, 0, 0);
    ASSERT_FALSE(::IsWindow(hBoard));
    EXPECT_EQ(nullptr, GetBoardWindow(m_hWndFrame));

    // The frame stays usable: menus and a new game.
    ::SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(::GetSubMenu(::GetMenu(m_hWndFrame), 2)),
                   MAKELPARAM(2, FALSE));
    Command(ID_GAME_3X3);
    ASSERT_EQ(1u, m_pWatcher->Seen().size());
    EXPECT_CP932_EQ(kStartCaption, m_pWatcher->Seen()[0].strCaption);
    HWND hNewBoard = GetBoardWindow(m_hWndFrame);
    ASSERT_NE(hNewBoard, nullptr);
    EXPECT_EQ(9u, VisibleButtons(m_hWndFrame).size());
    RECT rectClient;
    ::GetClientRect(m_hWndFrame, &rectClient);
    RECT rectBoard = guitest::GetRectInParent(hNewBoard, m_hWndFrame);
    EXPECT_EQ(rectClient.right, rectBoard.right);
    EXPECT_EQ(guitest::GetRectInParent(GetStatusBar(m_hWndFrame), m_hWndFrame).top, rectBoard.bottom);
    ClickInOrder(m_hWndFrame, 1, 1);
    EXPECT_CP932_EQ(std::string("8") + kRemainingTail, GetPane(m_hWndFrame));
}
