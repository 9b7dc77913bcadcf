// Anything that can receive commands: walks its message-map chain in OnCmdMsg.
#pragma once
#include "framework/MsgMap.h"
#include "framework/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // nCode: CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra = CCmdUI*), a control notification code, or
    // MAKELONG(code, WM_NOTIFY) (pExtra = AFX_NOTIFY*). With pHandlerInfo the handler is only looked up.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
