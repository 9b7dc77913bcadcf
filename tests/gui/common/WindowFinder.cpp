#include "common/WindowFinder.h"

#include <commctrl.h>
#include <cstring>

namespace guitest {

std::vector<HWND> GetChildWindows(HWND hWndParent)
{
    std::vector<HWND> ahWnd;
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        ahWnd.push_back(hWnd);
    return ahWnd;
}

std::string GetClassNameOf(HWND hWnd)
{
    char szClass[256] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return szClass;
}

std::string GetTextOf(HWND hWnd)
{
    int nLen = static_cast<int>(::SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
    std::string strText(static_cast<size_t>(nLen) + 1, '\0');
    int nGot = static_cast<int>(::SendMessageA(hWnd, WM_GETTEXT, strText.size(), reinterpret_cast<LPARAM>(&strText[0])));
    strText.resize(static_cast<size_t>(nGot > 0 ? nGot : 0));
    return strText;
}

std::string GetStatusPaneText(HWND hWndStatus, int nPane)
{
    // SB_GETTEXTLENGTHA may count characters rather than bytes (Wine does), so it cannot size the
    // buffer; SB_GETTEXTA takes no size either: give it room for any pane.
    std::string strText(4096, '\0');
    ::SendMessageA(hWndStatus, SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(&strText[0]));
    strText.resize(std::strlen(strText.c_str()));
    return strText;
}

HWND FindChildById(HWND hWndParent, int nID)
{
    return ::GetDlgItem(hWndParent, nID);
}

namespace {

struct FindData {
    const char* pszClass;
    const char* pszCaption;
    HWND hWndFound;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam)
{
    FindData* pData = reinterpret_cast<FindData*>(lParam);
    if (GetClassNameOf(hWnd) != pData->pszClass)
        return TRUE;
    if (pData->pszCaption != nullptr && GetTextOf(hWnd) != pData->pszCaption)
        return TRUE;
    pData->hWndFound = hWnd;
    return FALSE;
}

} // namespace

HWND FindThreadWindow(const char* pszClass, const char* pszCaption)
{
    FindData data = { pszClass, pszCaption, nullptr };
    ::EnumThreadWindows(::GetCurrentThreadId(), FindProc, reinterpret_cast<LPARAM>(&data));
    return data.hWndFound;
}

RECT GetRectInParent(HWND hWnd, HWND hWndParent)
{
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(HWND_DESKTOP, hWndParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace guitest
