#include "ModalDriver.h"

namespace {

constexpr UINT WM_DRIVER_ACTIVATED = WM_APP + 1;
constexpr UINT_PTR kFallbackTimer = 1;
constexpr UINT_PTR kHoldTimer = 2;
constexpr UINT_PTR kShowTimer = 3;
// Long enough for any dialog under a cold Wine start, short enough to end a hung test.
constexpr UINT kFallbackMilliseconds = 15000;

CModalDriver* g_pDriver = nullptr;

std::string WindowText(HWND hWnd)
{
    char szText[512] = "";
    ::GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}

std::string ClassName(HWND hWnd)
{
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

BOOL IsDialogWindow(HWND hWnd)
{
    return ClassName(hWnd) == "#32770";
}

CDialogSnapshot TakeSnapshot(HWND hDlg)
{
    CDialogSnapshot shot = {};
    shot.hWnd = hDlg;
    shot.strCaption = WindowText(hDlg);
    ::GetWindowRect(hDlg, &shot.rcWindow);
    shot.bVisible = ::IsWindowVisible(hDlg);
    shot.bActive = ::GetActiveWindow() == hDlg;
    shot.hOwner = ::GetWindow(hDlg, GW_OWNER);
    shot.bOwnerEnabled = shot.hOwner != nullptr && ::IsWindowEnabled(shot.hOwner);
    for (HWND hCtrl = ::GetWindow(hDlg, GW_CHILD); hCtrl != nullptr; hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT)) {
        CControlSnapshot control = {};
        control.nID = static_cast<int>(static_cast<short>(::GetDlgCtrlID(hCtrl)));
        control.strClass = ClassName(hCtrl);
        control.strText = WindowText(hCtrl);
        control.dwStyle = static_cast<DWORD>(::GetWindowLongA(hCtrl, GWL_STYLE));
        if ((control.dwStyle & SS_TYPEMASK) == SS_BITMAP && ::lstrcmpiA(control.strClass.c_str(), "Static") == 0) {
            HBITMAP hBitmap = reinterpret_cast<HBITMAP>(::SendMessageA(hCtrl, STM_GETIMAGE, IMAGE_BITMAP, 0));
            BITMAP bm = {};
            if (hBitmap != nullptr && ::GetObjectA(hBitmap, sizeof(bm), &bm) != 0)
                control.sizeImage = SIZE{ bm.bmWidth, bm.bmHeight };
        }
        shot.controls.push_back(control);
    }
    return shot;
}

void PostKey(HWND hDlg, UINT nVirtualKey)
{
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || (hFocus != hDlg && !::IsChild(hDlg, hFocus)))
        hFocus = hDlg;
    UINT nScan = ::MapVirtualKeyA(nVirtualKey, 0);
    ::PostMessageA(hFocus, WM_KEYDOWN, nVirtualKey, static_cast<LPARAM>(1 | (nScan << 16)));
    ::PostMessageA(hFocus, WM_KEYUP, nVirtualKey, static_cast<LPARAM>(1 | (nScan << 16) | 0xC0000000u));
}

BOOL CALLBACK CloseLeftOver(HWND hWnd, LPARAM lParam)
{
    // Hidden ones too: a dialog whose loop never showed it must not hang the test either.
    if (IsDialogWindow(hWnd)) {
        ++*reinterpret_cast<int*>(lParam);
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

const char* CloseByName(CloseBy how)
{
    switch (how) {
    case CloseBy::Enter: return "Enter";
    case CloseBy::Escape: return "Escape";
    case CloseBy::CloseBox: return "CloseBox";
    case CloseBy::ButtonClick: return "ButtonClick";
    case CloseBy::CommandOk: return "CommandOk";
    case CloseBy::Quit: return "Quit";
    }
    return "?";
}

std::string CDialogSnapshot::Text(int nID) const
{
    for (const CControlSnapshot& control : controls) {
        if (control.nID == nID)
            return control.strText;
    }
    return "<missing>";
}

std::vector<std::string> CDialogSnapshot::StaticTexts() const
{
    std::vector<std::string> texts;
    for (const CControlSnapshot& control : controls) {
        DWORD dwType = control.dwStyle & SS_TYPEMASK;
        bool bPicture = dwType == SS_BITMAP || dwType == SS_ICON;    // their text names the image
        if (::lstrcmpiA(control.strClass.c_str(), "Static") == 0 && !bPicture && !control.strText.empty())
            texts.push_back(control.strText);
    }
    return texts;
}

CModalDriver::CModalDriver(std::vector<CloseBy> answers)
    : m_nDialogsCreated(0), m_nTimeouts(0), m_answers(std::move(answers)), m_hHook(nullptr), m_hWndHelper(nullptr),
      m_hLastSeen(nullptr), m_hPending(nullptr), m_hHeld(nullptr), m_heldAnswer(CloseBy::Escape)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HelperProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PelmoModalDriver";
    ::RegisterClassA(&wc);    // fails harmlessly when a previous driver registered it
    m_hWndHelper = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                                     nullptr);
    g_pDriver = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    ::SetTimer(m_hWndHelper, kFallbackTimer, kFallbackMilliseconds, nullptr);
}

CModalDriver::~CModalDriver()
{
    ::UnhookWindowsHookEx(m_hHook);
    ::DestroyWindow(m_hWndHelper);
    g_pDriver = nullptr;
}

void CModalDriver::HoldForScreenshots(const std::string& strDirectory, const std::vector<std::string>& names)
{
    m_strShotDirectory = strDirectory;
    m_shotNames = names;
}

LRESULT CALLBACK CModalDriver::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CModalDriver* pDriver = g_pDriver;
    if (pDriver != nullptr && nCode >= 0) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (nCode == HCBT_CREATEWND && IsDialogWindow(hWnd))
            ++pDriver->m_nDialogsCreated;
        // Looked at once the activation is complete and the dialog's loop dispatches again.
        if (nCode == HCBT_ACTIVATE && IsDialogWindow(hWnd))
            ::PostMessageA(pDriver->m_hWndHelper, WM_DRIVER_ACTIVATED, wParam, 0);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK CModalDriver::HelperProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CModalDriver* pDriver = g_pDriver;
    if (pDriver != nullptr && pDriver->m_hWndHelper == hWnd) {
        if (nMsg == WM_DRIVER_ACTIVATED) {
            // A dialog is activated while still hidden, as its focus is set: wait until its loop shows it.
            pDriver->m_hPending = reinterpret_cast<HWND>(wParam);
            ::SetTimer(hWnd, kShowTimer, 20, nullptr);
            return 0;
        }
        if (nMsg == WM_TIMER && wParam == kShowTimer) {
            HWND hPending = pDriver->m_hPending;
            if (!::IsWindow(hPending) || ::IsWindowVisible(hPending)) {
                ::KillTimer(hWnd, kShowTimer);
                pDriver->m_hPending = nullptr;
                pDriver->OnActivated(hPending);
            }
            return 0;
        }
        if (nMsg == WM_TIMER && wParam == kFallbackTimer) {
            pDriver->OnFallbackTimer();
            return 0;
        }
        if (nMsg == WM_TIMER && wParam == kHoldTimer) {
            if (::GetFileAttributesA(pDriver->m_strHeldDone.c_str()) != INVALID_FILE_ATTRIBUTES) {
                ::KillTimer(hWnd, kHoldTimer);
                ::DeleteFileA(pDriver->m_strHeldDone.c_str());
                HWND hHeld = pDriver->m_hHeld;
                pDriver->m_hHeld = nullptr;
                if (::IsWindow(hHeld))
                    pDriver->Answer(hHeld, pDriver->m_heldAnswer);
            }
            return 0;
        }
    }
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

void CModalDriver::OnActivated(HWND hDlg)
{
    // The same dialog activated twice in a row is one appearance; a closed one needs no answer.
    if (hDlg == m_hLastSeen || !::IsWindow(hDlg) || !::IsWindowVisible(hDlg))
        return;
    m_hLastSeen = hDlg;
    size_t nIndex = m_snapshots.size();
    m_snapshots.push_back(TakeSnapshot(hDlg));
    CloseBy how = nIndex < m_answers.size() ? m_answers[nIndex] : CloseBy::Escape;

    if (!m_strShotDirectory.empty() && nIndex < m_shotNames.size()) {
        std::string strBase = m_strShotDirectory + "\\" + m_shotNames[nIndex];
        HANDLE hReady = ::CreateFileA((strBase + ".ready").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hReady != INVALID_HANDLE_VALUE)
            ::CloseHandle(hReady);
        m_hHeld = hDlg;
        m_heldAnswer = how;
        m_strHeldDone = strBase + ".done";
        ::SetTimer(m_hWndHelper, kHoldTimer, 100, nullptr);
        return;
    }
    Answer(hDlg, how);
}

void CModalDriver::Answer(HWND hDlg, CloseBy how)
{
    switch (how) {
    case CloseBy::Enter:
        PostKey(hDlg, VK_RETURN);
        break;
    case CloseBy::Escape:
        PostKey(hDlg, VK_ESCAPE);
        break;
    case CloseBy::CloseBox:
        ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseBy::ButtonClick:
        ::PostMessageA(::GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
        break;
    case CloseBy::CommandOk:
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
        break;
    case CloseBy::Quit:
        ::PostQuitMessage(7);
        break;
    }
}

void CModalDriver::OnFallbackTimer()
{
    if (!m_strShotDirectory.empty())
        return;    // the screenshot script decides how long a dialog stays
    int nClosed = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CloseLeftOver, reinterpret_cast<LPARAM>(&nClosed));
    m_nTimeouts += nClosed;
}
