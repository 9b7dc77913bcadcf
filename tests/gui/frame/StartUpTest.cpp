// Start-up, placement and style of the frame, its children, the end of the program, and the memory
// exception.
#include "common/Cp932.h"
#include "common/Pump.h"
#include "common/WindowFinder.h"
#include "frame/FailingNew.h"
#include "frame/FrameSupport.h"
#include "frame/FrameTexts.h"
#include "framework/AppState.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "ui/MainFrame.h"
#include "ui/NoticeDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace frametest;

namespace {

std::string ScreenSize()
{
    return std::to_string(::GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(::GetSystemMetrics(SM_CYSCREEN));
}

// Ends a loop that would otherwise never end, with an exit code no test expects.
void CALLBACK QuitGuard(HWND, UINT, UINT_PTR, DWORD)
{
    ::PostQuitMessage(99);
}

void ExpectStartNotice(const SeenDialog& seen)
{
    EXPECT_CP932_EQ(kStartCaption, seen.strCaption);
    EXPECT_CP932_EQ(kStartLine1, seen.strLine1);
    EXPECT_CP932_EQ(kStartLine2, seen.strLine2);
    EXPECT_CP932_EQ(kStartButton, seen.strButton);
}

} // namespace

TEST(StartUp, FrameHiddenDuringFirstNoticeThenShownCentredWithFirstGame)
{
    ASSERT_EQ("1024x768", ScreenSize()) << "the Wine prefix's virtual desktop";
    CDialogWatcher watcher;
    HWND hWndFrame = StartApp();
    ASSERT_NE(hWndFrame, nullptr);

    ASSERT_EQ(1u, watcher.Seen().size());
    const SeenDialog& notice = watcher.Seen()[0];
    ExpectStartNotice(notice);
    EXPECT_FALSE(notice.bFrameVisible) << "the notice stands alone while the frame is created";
    EXPECT_EQ(0, notice.nButtons) << "the game starts when the notice closes";
    EXPECT_TRUE(notice.bOwnerIsFrame);

    RECT rect = GetWindowRectOf(hWndFrame);
    EXPECT_EQ(357, rect.left);
    EXPECT_EQ(201, rect.top);
    EXPECT_EQ(309, rect.right - rect.left);
    EXPECT_EQ(366, rect.bottom - rect.top);
    EXPECT_TRUE(::IsWindowVisible(hWndFrame));
    EXPECT_EQ(25u, VisibleButtons(hWndFrame).size());
    EXPECT_CP932_EQ(kIdle, GetPane(hWndFrame));
    EXPECT_EQ(0, watcher.GetMissed());
    EndApp();
}

TEST(StartUp, FrameStyleTitleMenuIconAndChildren)
{
    CDialogWatcher watcher;
    HWND hWndFrame = StartApp();
    ASSERT_NE(hWndFrame, nullptr);

    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWndFrame, GWL_STYLE));
    // Windows adds WS_CLIPSIBLINGS to top-level windows; WS_VISIBLE comes from showing it.
    EXPECT_EQ(0x00CA0000u, dwStyle & ~static_cast<DWORD>(WS_CLIPSIBLINGS | WS_VISIBLE)) << std::hex << dwStyle;
    EXPECT_EQ(0u, dwStyle & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    DWORD dwExStyle = static_cast<DWORD>(::GetWindowLongA(hWndFrame, GWL_EXSTYLE));
    EXPECT_EQ(0u, dwExStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE)) << std::hex << dwExStyle;
    EXPECT_CP932_EQ(kTitle, guitest::GetTextOf(hWndFrame));
    EXPECT_NE(0u, ::GetClassLongPtrA(hWndFrame, GCLP_HICON)) << "icon 128 on the frame's class";
    HMENU hMenu = ::GetMenu(hWndFrame);
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(4, ::GetMenuItemCount(hMenu));

    // Status bar: one stretching pane without border and without a size grip, along the bottom.
    HWND hBar = GetStatusBar(hWndFrame);
    ASSERT_NE(hBar, nullptr);
    EXPECT_EQ(0, ::lstrcmpiA(STATUSCLASSNAMEA, guitest::GetClassNameOf(hBar).c_str()));
    DWORD dwBarStyle = static_cast<DWORD>(::GetWindowLongA(hBar, GWL_STYLE));
    EXPECT_EQ(0u, dwBarStyle & (SBARS_SIZEGRIP | CBRS_BOTTOM)) << std::hex << dwBarStyle;
    EXPECT_EQ(1, static_cast<int>(::SendMessageA(hBar, SB_GETPARTS, 0, 0)));
    EXPECT_EQ(SBT_NOBORDERS, HIWORD(::SendMessageA(hBar, SB_GETTEXTLENGTHA, 0, 0)));

    // The board fills the client area above the bar.
    RECT rectClient, rectBar, rectBoard;
    ::GetClientRect(hWndFrame, &rectClient);
    rectBar = guitest::GetRectInParent(hBar, hWndFrame);
    rectBoard = guitest::GetRectInParent(GetBoardWindow(hWndFrame), hWndFrame);
    EXPECT_EQ(rectClient.bottom, rectBar.bottom);
    EXPECT_EQ(rectClient.right, rectBar.right);
    EXPECT_EQ(0, rectBoard.left);
    EXPECT_EQ(0, rectBoard.top);
    EXPECT_EQ(rectClient.right, rectBoard.right);
    EXPECT_EQ(rectBar.top, rectBoard.bottom);
    EndApp();
}

// Run with PELMO_EXPECT_SCREEN=640x480 inside a 640x480 Wine desktop (see run_small_desktop.sh).
TEST(SmallScreen, FirstFrameCentredOnWholeScreen)
{
    const char* pszExpected = std::getenv("PELMO_EXPECT_SCREEN");
    if (pszExpected == nullptr && ScreenSize() != "640x480")
        GTEST_SKIP() << "screen is " << ScreenSize();
    if (pszExpected != nullptr) {
        ASSERT_EQ(pszExpected, ScreenSize());
    }
    CDialogWatcher watcher;
    HWND hWndFrame = StartApp();
    ASSERT_NE(hWndFrame, nullptr);
    RECT rect = GetWindowRectOf(hWndFrame);
    EXPECT_EQ(165, rect.left);
    EXPECT_EQ(57, rect.top);
    EXPECT_EQ(309, rect.right - rect.left);
    EXPECT_EQ(366, rect.bottom - rect.top);
    EndApp();
}

struct CloseCase {
    const char* pszName;
    UINT nMsg;
    WPARAM wParam;
    LPARAM lParam;
};

// The close box, Alt+F4 (key down with the context bit) and the exit item.
const CloseCase kCloseCases[] = {
    { "close box", WM_SYSCOMMAND, SC_CLOSE, 0 },
    { "Alt+F4", WM_SYSKEYDOWN, VK_F4, 0x203E0001 },
    { "exit item", WM_COMMAND, ID_APP_EXIT, 0 },
};

class CloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, EndsLoopWithExitCodeZeroMidGameAskingNothing)
{
    CDialogWatcher watcher;
    HWND hWndFrame = StartApp();
    ASSERT_NE(hWndFrame, nullptr);
    ClickInOrder(hWndFrame, 1, 3);
    watcher.Clear();

    ::PostMessageA(hWndFrame, GetParam().nMsg, GetParam().wParam, GetParam().lParam);
    UINT_PTR nGuard = ::SetTimer(nullptr, 0, 10000, QuitGuard);
    int nExitCode = theTestApp.Run();
    ::KillTimer(nullptr, nGuard);

    EXPECT_EQ(0, nExitCode);
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndFrame));
    EXPECT_EQ(0u, watcher.Seen().size()) << "nothing is asked";
    EXPECT_EQ(0u, ThreadWindows().size()) << "windows left behind";
}

INSTANTIATE_TEST_SUITE_P(Frame, CloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const ::testing::TestParamInfo<CloseCase>& info) {
                             std::string strName = info.param.pszName;
                             for (char& ch : strName)
                                 ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return strName;
                         });

TEST(MemoryException, InCommandShowsMessageBoxAndAbandonsOnlyThatCommand)
{
    CDialogWatcher watcher;
    HWND hWndFrame = StartApp();
    ASSERT_NE(hWndFrame, nullptr);
    watcher.Clear();

    // The retry's start notice cannot be allocated.
    FailNextAllocationOf(sizeof(CNoticeDlg));
    ::SendMessageA(hWndFrame, WM_COMMAND, ID_GAME_RETRY, 0);
    guitest::PumpPendingMessages();
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_CP932_EQ(kOutOfMemory, watcher.Seen()[0].strMessage);
    EXPECT_CP932_EQ(kTitle, watcher.Seen()[0].strCaption);
    EXPECT_TRUE(::IsWindow(hWndFrame));
    EXPECT_TRUE(::IsWindowEnabled(hWndFrame));
    EXPECT_EQ(0u, VisibleButtons(hWndFrame).size()) << "the retry stopped where the allocation failed";

    // The frame goes on: the next retry runs in full.
    watcher.Clear();
    ::SendMessageA(hWndFrame, WM_COMMAND, ID_GAME_RETRY, 0);
    guitest::PumpPendingMessages();
    ASSERT_EQ(1u, watcher.Seen().size());
    ExpectStartNotice(watcher.Seen()[0]);
    EXPECT_EQ(25u, VisibleButtons(hWndFrame).size());
    EndApp();
}

TEST(MemoryException, DuringCreationFailsTheFrameAndEndsTheProgram)
{
    CDialogWatcher watcher;
    FailNextAllocationOf(sizeof(CNoticeDlg));
    // What start-up does, with the load's result in view.
    CMainFrame* pFrame = new CMainFrame;
    theTestApp.m_pMainWnd = pFrame;
    BOOL bLoaded = pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr);

    EXPECT_FALSE(bLoaded);
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd) << "the frame deleted itself";
    EXPECT_EQ(0u, watcher.Seen().size()) << "no message box during creation";
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit message was posted";
    EXPECT_EQ(0u, msg.wParam);
    EXPECT_EQ(0u, ThreadWindows().size());
}
