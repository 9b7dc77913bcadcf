#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, AfxSig_end, nullptr } };
    static const AFX_MSGMAP messageMap = { nullptr, &entries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

// Calls one command entry; the result says whether the command counts as handled.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra)
{
    switch (pEntry->nSig) {
    case AfxSigCmd_v:
        (pTarget->*AfxMsgPtrAs<void (CCmdTarget::*)()>(pEntry->pfn))();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*AfxMsgPtrAs<BOOL (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
    case AfxSigCmd_RANGE:
        (pTarget->*AfxMsgPtrAs<void (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
        return TRUE;
    case AfxSigCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*AfxMsgPtrAs<void (CCmdTarget::*)(CCmdUI*)>(pEntry->pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*AfxMsgPtrAs<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry->pfn))(pNotify->pNMHDR,
                                                                                     pNotify->pResult);
        return TRUE;
    }
    case AfxSigNotify_b: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        return (pTarget->*AfxMsgPtrAs<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pEntry->pfn))(
            nID, pNotify->pNMHDR, pNotify->pResult);
    }
    default:
        return FALSE;
    }
}

BOOL IsExtendedSig(UINT_PTR nSig)
{
    return nSig == AfxSigCmd_b || nSig == AfxSigNotify_b;
}

} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = WM_COMMAND;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        if (HIWORD(nCode) != 0)
            nMsg = HIWORD(nCode);
        nEntryCode = LOWORD(nCode);
    }

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries;
        while ((pEntry = AfxFindMessageEntry(pEntry, nMsg, nEntryCode, nID)) != nullptr) {
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = pEntry->pfn;
                return TRUE;
            }
            if (DispatchCmdMsg(this, nID, pEntry, pExtra))
                return TRUE;
            // Only an _EX handler may decline; then the search goes on past it.
            if (!IsExtendedSig(pEntry->nSig))
                return FALSE;
            ++pEntry;
        }
    }
    return FALSE;
}
