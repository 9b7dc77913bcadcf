#include "common/DialogCloser.h"
#include "common/WindowFinder.h"

namespace guitest {

namespace {

thread_local CDialogCloser* t_pActive = nullptr;

BOOL CALLBACK CloseProc(HWND hWnd, LPARAM)
{
    if (GetClassNameOf(hWnd) == "#32770" && ::IsWindowVisible(hWnd))
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

} // namespace

std::string SeenDialog::TextOf(int nID) const
{
    for (size_t i = 0; i < anIDs.size(); ++i) {
        if (anIDs[i] == nID)
            return astrTexts[i];
    }
    return std::string();
}

CDialogCloser::CDialogCloser(UINT nCommand, DWORD nFallbackMs) : m_nCommand(nCommand), m_hHook(nullptr), m_nTimer(0)
{
    t_pActive = this;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
    m_nTimer = ::SetTimer(nullptr, 0, nFallbackMs, FallbackTimerProc);
}

CDialogCloser::~CDialogCloser()
{
    if (m_nTimer != 0)
        ::KillTimer(nullptr, m_nTimer);
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    if (t_pActive == this)
        t_pActive = nullptr;
}

LRESULT CALLBACK CDialogCloser::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CDialogCloser* pThis = t_pActive;
    if (nCode == HCBT_ACTIVATE && pThis != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (GetClassNameOf(hWnd) == "#32770") {
            SeenDialog seen;
            seen.strCaption = GetTextOf(hWnd);
            for (HWND hChild : GetChildWindows(hWnd)) {
                seen.astrTexts.push_back(GetTextOf(hChild));
                seen.anIDs.push_back(::GetDlgCtrlID(hChild));
            }
            pThis->m_aSeen.push_back(seen);
            ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(pThis->m_nCommand, BN_CLICKED), 0);
        }
    }
    return ::CallNextHookEx(pThis != nullptr ? pThis->m_hHook : nullptr, nCode, wParam, lParam);
}

void CALLBACK CDialogCloser::FallbackTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), CloseProc, 0);
}

} // namespace guitest
