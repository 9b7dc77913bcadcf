// A top-level window that frames the program's panes.
#pragma once
#include "framework/Wnd.h"

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    BOOL IsFrameWnd() const override;

protected:
    DECLARE_MESSAGE_MAP()
};
