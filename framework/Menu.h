// Wrapper of an HMENU. An attached menu is destroyed with the object; FromHandle wrappers are not.
#pragma once
#include "framework/Object.h"

class CMenu : public CObject {
public:
    CMenu();
    ~CMenu() override;

    // A permanent or temporary wrapper; temporary ones live until AfxDeleteTempMap.
    static CMenu* FromHandle(HMENU hMenu);
    static void DeleteTempMap();

    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    HMENU GetSafeHmenu() const;
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

    HMENU m_hMenu;

private:
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
};
