// What the frame tests share: the application object of the test program, a watcher that closes the
// notices (and message boxes) from a WH_CBT hook and records what each showed, and small readers.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "ui/GameApp.h"

class CBoardWnd;

namespace frametest {

// The test program's application object, standing in for the program's theApp.
extern CGameApp theTestApp;

// One dialog or message box as it appeared, with what the frame showed at that moment.
struct SeenDialog {
    std::string strCaption;
    std::string strLine1;       // IDC_NOTICE_LINE1
    std::string strLine2;       // IDC_NOTICE_LINE2
    std::string strButton;      // IDOK
    std::string strMessage;     // a message box's text (static 0xFFFF)
    std::string strPane;        // pane 0 of the frame's status bar
    BOOL bOwnerIsFrame = FALSE;
    BOOL bFrameEnabled = FALSE;
    BOOL bFrameVisible = FALSE;
    int nButtons = 0;           // visible number buttons on the board
};

// Closes every dialog of this thread as it activates, by posting WM_COMMAND nCommand; a thread timer
// closes anything the hook missed (and counts it), so a test never hangs.
class CDialogWatcher {
public:
    explicit CDialogWatcher(UINT nCommand = IDOK);
    ~CDialogWatcher();

    const std::vector<SeenDialog>& Seen() const { return m_aSeen; }
    int GetMissed() const { return m_nMissed; }
    void Clear() { m_aSeen.clear(); }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK FallbackProc(HWND, UINT, UINT_PTR, DWORD);

    UINT m_nCommand;
    HHOOK m_hHook;
    UINT_PTR m_nTimer;
    int m_nMissed;
    std::vector<SeenDialog> m_aSeen;
};

// Runs the application's start-up; the frame's window, or nullptr.
HWND StartApp();
// Closes the main window if there is one and takes the quit message off the queue.
void EndApp();

HWND GetFrame();                        // the main window's handle, or nullptr
HWND GetStatusBar(HWND hWndFrame);
HWND GetBoardWindow(HWND hWndFrame);
CBoardWnd* GetBoard(HWND hWndFrame);    // the board object behind the first pane
std::string GetPane(HWND hWndFrame);    // pane 0, cp932 bytes

std::vector<HWND> VisibleButtons(HWND hWndFrame);
HWND FindButton(HWND hWndFrame, int nNumber);    // the visible button labelled nNumber
// Clicks the buttons labelled nFirst..nLast in order (BM_CLICK); pumps nothing, so a posted
// WM_GAMECLEARED is still waiting afterwards.
void ClickInOrder(HWND hWndFrame, int nFirst, int nLast);

RECT GetWindowRectOf(HWND hWnd);
// The windows of this thread other than the system's input-method windows.
std::vector<HWND> ThreadWindows();

} // namespace frametest
