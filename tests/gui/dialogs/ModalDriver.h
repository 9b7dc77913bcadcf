// Drives modal dialogs and message boxes of the test's own thread from outside the program: a WH_CBT
// hook notices each dialog as it becomes active, a snapshot of what it shows is taken, and the answer
// the test chose is posted to it. A timer closes anything left open so that no test can hang.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

enum class CloseBy {
    Enter,          // WM_KEYDOWN VK_RETURN to the focused control
    Escape,         // WM_KEYDOWN VK_ESCAPE to the focused control
    CloseBox,       // WM_SYSCOMMAND SC_CLOSE, as the caption's close box sends it
    ButtonClick,    // BM_CLICK to the IDOK button
    CommandOk,      // WM_COMMAND IDOK from the IDOK button
    Quit,           // PostQuitMessage(7), as if the program were told to end meanwhile
};

const char* CloseByName(CloseBy how);

struct CControlSnapshot {
    int nID;
    std::string strClass;
    std::string strText;     // bytes of code page 932
    DWORD dwStyle;
    SIZE sizeImage;          // the bitmap of a picture control, else 0 x 0
};

struct CDialogSnapshot {
    HWND hWnd;
    std::string strCaption;
    RECT rcWindow;
    BOOL bVisible;
    BOOL bActive;
    HWND hOwner;
    BOOL bOwnerEnabled;
    std::vector<CControlSnapshot> controls;

    // Text of the first control with nID ("<missing>" when there is none).
    std::string Text(int nID) const;
    // Texts of the static text controls that show one, in template order.
    std::vector<std::string> StaticTexts() const;
};

class CModalDriver {
public:
    // The n-th dialog that becomes active gets answers[n]; any later one is closed with Escape.
    explicit CModalDriver(std::vector<CloseBy> answers);
    ~CModalDriver();

    // When set, each answer waits until the screenshot script has taken its picture (see shots.sh).
    void HoldForScreenshots(const std::string& strDirectory, const std::vector<std::string>& names);

    std::vector<CDialogSnapshot> m_snapshots;
    int m_nDialogsCreated;    // dialog-class windows created on this thread meanwhile
    int m_nTimeouts;          // dialogs the fallback timer had to close

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HelperProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    void OnActivated(HWND hDlg);
    void Answer(HWND hDlg, CloseBy how);
    void OnFallbackTimer();

    std::vector<CloseBy> m_answers;
    HHOOK m_hHook;
    HWND m_hWndHelper;
    HWND m_hLastSeen;
    HWND m_hPending;
    std::string m_strShotDirectory;
    std::vector<std::string> m_shotNames;
    HWND m_hHeld;
    CloseBy m_heldAnswer;
    std::string m_strHeldDone;
};
