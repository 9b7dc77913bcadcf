#include "framework/Dialog.h"

#include <cstring>
#include <vector>

#include "framework/AppState.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog manager wants a dialog procedure; every message is handled through the window's own
// procedure (the dialog is subclassed as it is created), so this one never takes anything.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The style sits after the version and signature words in the extended template form.
DWORD* TemplateStyle(std::vector<BYTE>& dialogTemplate)
{
    if (dialogTemplate.size() < 16)
        return nullptr;
    WORD wVersion = 0;
    WORD wSignature = 0;
    std::memcpy(&wVersion, &dialogTemplate[0], sizeof(WORD));
    std::memcpy(&wSignature, &dialogTemplate[2], sizeof(WORD));
    size_t nOffset = (wVersion == 1 && wSignature == 0xFFFF) ? 12 : 0;
    return reinterpret_cast<DWORD*>(&dialogTemplate[nOffset]);
}

BOOL IsInputMessage(UINT nMsg)
{
    return (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST) || (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST);
}

RECT WorkAreaOf(HMONITOR hMonitor)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (hMonitor == nullptr || !::GetMonitorInfoA(hMonitor, &info))
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    return info.rcWork;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd), m_nModalResult(-1),
      m_bContinueModal(FALSE), m_bInModal(FALSE)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL hGlobal = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const BYTE* pResource = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    if (pResource == nullptr)
        return -1;

    // The dialog is shown by the modal loop, never by the dialog manager.
    std::vector<BYTE> dialogTemplate(pResource, pResource + ::SizeofResource(hInst, hResource));
    DWORD* pStyle = TemplateStyle(dialogTemplate);
    if (pStyle == nullptr)
        return -1;
    *pStyle &= ~static_cast<DWORD>(WS_VISIBLE);

    HWND hWndOwner = GetModalOwner();
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != nullptr && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    m_bInModal = TRUE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                                             hWndOwner, AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd != nullptr && m_hWnd != nullptr)
        RunModalLoop();
    else
        m_nModalResult = -1;

    // Hide first so that enabling the owner does not let it flash under a visible dialog.
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    DestroyWindow();
    m_bInModal = FALSE;
    return m_nModalResult;
}

HWND CDialog::GetModalOwner() const
{
    HWND hWnd = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr)
            return ::GetLastActivePopup(pMainWnd->m_hWnd);
        return nullptr;
    }
    // A child cannot own a pop-up: its top-level window does.
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

void CDialog::RunModalLoop()
{
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    BOOL bIdle = TRUE;
    MSG msg = {};
    while (m_bContinueModal && m_hWnd != nullptr) {
        if (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Shown only now, so that it appears complete, already positioned and filled.
            if (!::IsWindowVisible(m_hWnd)) {
                ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
                ::UpdateWindow(m_hWnd);
            }
            if (hWndOwner != nullptr)
                ::SendMessageA(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            bIdle = FALSE;
            continue;
        }
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            // The outer loop must see the quit message too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!PreTranslateModalMessage(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE && msg.message != WM_TIMER &&
            msg.message != WM_PAINT)
            bIdle = TRUE;
    }
}

BOOL CDialog::PreTranslateModalMessage(HWND hDlg, MSG* pMsg)
{
    // The application's filter reaches this dialog's PreTranslateMessage (and the tooltips) on its way.
    if (CWinApp* pApp = AfxGetApp())
        return pApp->PreTranslateMessage(pMsg);
    return ::IsDialogMessageA(hDlg, pMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr || !IsInputMessage(pMsg->message))
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    RECT rcBefore = {};
    ::GetWindowRect(m_hWnd, &rcBefore);
    BOOL bResult = OnInitDialog();
    if (m_bInModal && m_hWnd != nullptr) {
        RECT rcAfter = {};
        ::GetWindowRect(m_hWnd, &rcAfter);
        // A dialog placed by its own initialisation stays where it was put.
        DWORD dwStyle = GetStyle();
        if (::EqualRect(&rcBefore, &rcAfter) && !(dwStyle & (WS_CHILD | WS_VISIBLE)))
            CenterOverOwner();
    }
    return bResult;
}

void CDialog::CenterOverOwner()
{
    HWND hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndCenter != nullptr && (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter)))
        hWndCenter = nullptr;

    RECT rcTarget;
    RECT rcArea;
    if (hWndCenter != nullptr) {
        ::GetWindowRect(hWndCenter, &rcTarget);
        rcArea = WorkAreaOf(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST));
    } else {
        CWnd* pMainWnd = AfxGetMainWnd();
        HMONITOR hMonitor = pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr
                                ? ::MonitorFromWindow(pMainWnd->m_hWnd, MONITOR_DEFAULTTOPRIMARY)
                                : ::MonitorFromPoint(POINT{ 0, 0 }, MONITOR_DEFAULTTOPRIMARY);
        rcArea = WorkAreaOf(hMonitor);
        rcTarget = rcArea;
    }

    RECT rcDlg;
    ::GetWindowRect(m_hWnd, &rcDlg);
    int nWidth = rcDlg.right - rcDlg.left;
    int nHeight = rcDlg.bottom - rcDlg.top;
    int x = (rcTarget.left + rcTarget.right) / 2 - nWidth / 2;
    int y = (rcTarget.top + rcTarget.bottom) / 2 - nHeight / 2;
    if (x < rcArea.left)
        x = rcArea.left;
    else if (x + nWidth > rcArea.right)
        x = rcArea.right - nWidth;
    if (y < rcArea.top)
        y = rcArea.top;
    else if (y + nHeight > rcArea.bottom)
        y = rcArea.bottom - nHeight;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
    // Wakes the loop if it is waiting for a message.
    if (m_hWnd != nullptr)
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}
