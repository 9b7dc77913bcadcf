#include "framework/WndClass.h"
#include "framework/AppState.h"
#include "framework/Wnd.h"

#include <cstdio>
#include <set>
#include <string>

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string>* s_pNames = new std::set<std::string>;

    HINSTANCE hInstance = AfxGetInstanceHandle();
    char szName[96];
    std::snprintf(szName, sizeof szName, "FwWnd:%p:%x:%p:%p:%p", static_cast<void*>(hInstance), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    auto it = s_pNames->find(szName);
    if (it != s_pNames->end())
        return it->c_str();

    WNDCLASSA wc = {};
    if (!::GetClassInfoA(hInstance, szName, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = AfxWndProc;
        wc.hInstance = hInstance;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = szName;
        if (!::RegisterClassA(&wc))
            return nullptr;
    }
    return s_pNames->insert(szName).first->c_str();
}
