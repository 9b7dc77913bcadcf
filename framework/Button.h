// The system push button, subclassed so that its messages pass through the message map.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    using CWnd::Create;
    CButton();
    ~CButton() override;

    // Adds WS_CHILD; class "BUTTON".
    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    DECLARE_MESSAGE_MAP()
};
