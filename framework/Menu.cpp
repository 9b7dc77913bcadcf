#include "framework/Menu.h"
#include "framework/AppState.h"

#include <map>

namespace {

std::map<HMENU, CMenu*>& TempMenus()
{
    static std::map<HMENU, CMenu*> s_map;
    return s_map;
}

} // namespace

CMenu::CMenu() : m_hMenu(nullptr) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    std::map<HMENU, CMenu*>& temp = TempMenus();
    auto it = temp.find(hMenu);
    if (it != temp.end())
        return it->second;
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    temp[hMenu] = pMenu;
    return pMenu;
}

void CMenu::DeleteTempMap()
{
    std::map<HMENU, CMenu*>& temp = TempMenus();
    for (auto& entry : temp) {
        entry.second->m_hMenu = nullptr;    // a wrapper never owns the menu
        delete entry.second;
    }
    temp.clear();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

HMENU CMenu::GetSafeHmenu() const
{
    return m_hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}
