// State update of one command's user-interface item (a menu item here; m_pOther for a control).
#pragma once
#include <windows.h>

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI();

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);    // 0 unchecked, 1 checked
    virtual void SetText(LPCSTR lpszText);

    // Asks pTarget's routing for an update handler; without one, greys the item when no command
    // handler exists either (if bDisableIfNoHandler).
    void DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    UINT m_nID;
    UINT m_nIndex;          // position of the item in m_pMenu
    UINT m_nIndexMax;       // number of items in m_pMenu
    CMenu* m_pMenu;         // the menu holding the item, or nullptr
    CMenu* m_pSubMenu;      // set when the item opens a pop-up
    CWnd* m_pOther;         // a window standing for the command instead of a menu item
    BOOL m_bEnableChanged;  // an update handler called Enable
    BOOL m_bContinueRouting;
};
