// The framework core under the board: message maps, command routing, window attachment, exceptions.
#include "common/Cp932.h"
#include "common/DialogCloser.h"
#include "common/Pump.h"
#include "framework/Afx.h"

#include <gtest/gtest.h>
#include <new>
#include <string>
#include <vector>

using namespace guitest;

namespace {

const UINT ID_BOTH = 100;        // handled by base and derived
const UINT ID_BASE_ONLY = 101;
const UINT ID_RANGE_FIRST = 200;
const UINT ID_RANGE_LAST = 209;
const UINT ID_NONE = 999;
const UINT ID_NOTIFIER = 7;
const UINT ID_UPDATED = 300;     // has an update handler only

class CBaseTarget : public CCmdTarget {
public:
    std::vector<std::string> m_astrCalls;
    BOOL m_bBaseNotifyTakes = TRUE;

protected:
    void OnBoth() { m_astrCalls.push_back("base both"); }
    void OnBaseOnly() { m_astrCalls.push_back("base only"); }
    BOOL OnBaseNotify(UINT nID, NMHDR*, LRESULT* pResult)
    {
        m_astrCalls.push_back("base notify " + std::to_string(nID));
        *pResult = 42;
        return m_bBaseNotifyTakes;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_COMMAND(ID_BASE_ONLY, OnBaseOnly)
    ON_NOTIFY_EX(NM_CLICK, ID_NOTIFIER, OnBaseNotify)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
public:
    BOOL m_bDerivedNotifyTakes = FALSE;
    BOOL m_bUpdateEnables = FALSE;

protected:
    void OnBoth() { m_astrCalls.push_back("derived both"); }
    void OnRange(UINT nID) { m_astrCalls.push_back("range " + std::to_string(nID)); }
    BOOL OnDerivedNotify(UINT nID, NMHDR*, LRESULT*)
    {
        m_astrCalls.push_back("derived notify " + std::to_string(nID));
        return m_bDerivedNotifyTakes;
    }
    void OnUpdateUpdated(CCmdUI* pCmdUI)
    {
        m_astrCalls.push_back("update " + std::to_string(pCmdUI->m_nID));
        pCmdUI->Enable(m_bUpdateEnables);
        pCmdUI->SetCheck(1);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_NOTIFY_EX(NM_CLICK, ID_NOTIFIER, OnDerivedNotify)
    ON_UPDATE_COMMAND_UI(ID_UPDATED, OnUpdateUpdated)
END_MESSAGE_MAP()

TEST(MessageMapTest, CommandsFindTheMostDerivedEntryFirst)
{
    struct Case {
        UINT nID;
        BOOL bHandled;
        std::vector<std::string> astrCalls;
    } cases[] = {
        { ID_BOTH, TRUE, { "derived both" } },
        { ID_BASE_ONLY, TRUE, { "base only" } },
        { ID_RANGE_FIRST, TRUE, { "range 200" } },
        { ID_RANGE_LAST, TRUE, { "range 209" } },
        { ID_RANGE_LAST + 1, FALSE, {} },
        { ID_NONE, FALSE, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nID);
        CDerivedTarget target;
        EXPECT_EQ(c.bHandled, target.OnCmdMsg(c.nID, CN_COMMAND, nullptr, nullptr));
        EXPECT_EQ(c.astrCalls, target.m_astrCalls);
    }
}

TEST(MessageMapTest, HandlerQueryCallsNothing)
{
    CDerivedTarget target;
    AFX_CMDHANDLERINFO info = { nullptr, nullptr };
    EXPECT_TRUE(target.OnCmdMsg(ID_BOTH, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(&target, info.pTarget);
    EXPECT_NE(nullptr, info.pmf);

    AFX_CMDHANDLERINFO none = { nullptr, nullptr };
    EXPECT_FALSE(target.OnCmdMsg(ID_NONE, CN_COMMAND, nullptr, &none));
    EXPECT_EQ(nullptr, none.pTarget);
    EXPECT_TRUE(target.m_astrCalls.empty());
}

TEST(MessageMapTest, NotifyExDecliningLetsTheSearchGoOn)
{
    struct Case {
        BOOL bDerivedTakes;
        BOOL bBaseTakes;
        BOOL bResult;
        std::vector<std::string> astrCalls;
        LRESULT lResult;
    } cases[] = {
        { TRUE, TRUE, TRUE, { "derived notify 7" }, 0 },
        { FALSE, TRUE, TRUE, { "derived notify 7", "base notify 7" }, 42 },
        { FALSE, FALSE, FALSE, { "derived notify 7", "base notify 7" }, 42 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.astrCalls.size());
        CDerivedTarget target;
        target.m_bDerivedNotifyTakes = c.bDerivedTakes;
        target.m_bBaseNotifyTakes = c.bBaseTakes;
        NMHDR hdr = { nullptr, ID_NOTIFIER, static_cast<UINT>(NM_CLICK) };
        LRESULT lResult = 0;
        AFX_NOTIFY notify = { &lResult, &hdr };
        EXPECT_EQ(c.bResult, target.OnCmdMsg(ID_NOTIFIER, MAKELONG(NM_CLICK, WM_NOTIFY), &notify, nullptr));
        EXPECT_EQ(c.astrCalls, target.m_astrCalls);
        EXPECT_EQ(c.lResult, lResult);
    }
}

TEST(MessageMapTest, MenuUpdateGreysItemsWithoutHandler)
{
    HMENU hMenu = ::CreatePopupMenu();
    const UINT anIDs[] = { ID_BOTH, ID_NONE, ID_UPDATED, ID_RANGE_FIRST + 3 };
    for (UINT nID : anIDs)
        ::AppendMenuA(hMenu, MF_STRING, nID, "item");
    CMenu* pMenu = CMenu::FromHandle(hMenu);

    CDerivedTarget target;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        state.DoUpdate(&target, TRUE);
    }

    struct Case {
        UINT nID;
        UINT nState;
    } cases[] = {
        { ID_BOTH, MF_ENABLED },
        { ID_NONE, MF_GRAYED | MF_DISABLED },
        { ID_UPDATED, MF_GRAYED | MF_DISABLED | MF_CHECKED },    // the update handler decided
        { ID_RANGE_FIRST + 3, MF_ENABLED },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nState, pMenu->GetMenuState(c.nID, MF_BYCOMMAND)) << "item " << c.nID;
    EXPECT_EQ(std::vector<std::string>{ "update 300" }, target.m_astrCalls);

    ::DestroyMenu(hMenu);
    AfxDeleteTempMap();
}

TEST(MessageMapTest, RuntimeClassesKnowTheirBases)
{
    CFrameWnd frame;
    CButton button;
    EXPECT_TRUE(frame.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(frame.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(button.IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_STREQ("CFrameWnd", frame.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(frame.IsFrameWnd());
    EXPECT_FALSE(button.IsFrameWnd());
}

// A top-level window that records what reaches its map and can be told to throw.
class CProbeWnd : public CWnd {
public:
    enum class Throw { Nothing, BadAlloc, MemoryException, Other };

    std::vector<UINT> m_anMessages;
    bool m_bAttachedAtFirstMessage = false;
    Throw m_throwOnCreate = Throw::Nothing;
    Throw m_throwOnApp = Throw::Nothing;
    std::vector<std::string> m_astrCalls;

    BOOL CreateProbe()
    {
        return CreateEx(0, nullptr, "Probe", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, nullptr);
    }

    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (m_anMessages.empty())
            m_bAttachedAtFirstMessage = FromHandlePermanent(m_hWnd) == this;
        m_anMessages.push_back(nMsg);
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }

protected:
    static void Raise(Throw what)
    {
        switch (what) {
        case Throw::BadAlloc:
            throw std::bad_alloc();
        case Throw::MemoryException:
            AfxThrowMemoryException();
        case Throw::Other:
            throw 7;
        case Throw::Nothing:
            break;
        }
    }

    int OnCreate(LPCREATESTRUCT)
    {
        Raise(m_throwOnCreate);
        return 0;
    }

    LRESULT OnApp(WPARAM wParam, LPARAM)
    {
        Raise(m_throwOnApp);
        return static_cast<LRESULT>(wParam) + 1;
    }

    void OnNotifierClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_astrCalls.push_back("click from " + std::to_string(pNMHDR->idFrom));
        *pResult = 5;
    }

    void OnCommandFive() { m_astrCalls.push_back("command 5"); }

    void PostNcDestroy() override { m_astrCalls.push_back("post nc destroy"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_APP + 1, OnApp)
    ON_NOTIFY(NM_CLICK, ID_NOTIFIER, OnNotifierClick)
    ON_COMMAND(5, OnCommandFive)
END_MESSAGE_MAP()

TEST(WndTest, ObjectIsAttachedBeforeTheFirstMessageAndDetachedAfterTheLast)
{
    CProbeWnd probe;
    ASSERT_TRUE(probe.CreateProbe());
    ASSERT_FALSE(probe.m_anMessages.empty());
    EXPECT_TRUE(probe.m_bAttachedAtFirstMessage) << "first message 0x" << std::hex << probe.m_anMessages[0];
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(probe.m_hWnd));

    HWND hWnd = probe.m_hWnd;
    EXPECT_TRUE(probe.DestroyWindow());
    EXPECT_EQ(nullptr, probe.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(WM_NCDESTROY, probe.m_anMessages.back());
    EXPECT_EQ(std::vector<std::string>{ "post nc destroy" }, probe.m_astrCalls);
}

TEST(WndTest, ForeignWindowsGetTemporaryWrappers)
{
    HWND hWndDesktop = ::GetDesktopWindow();
    CWnd* pWnd = CWnd::FromHandle(hWndDesktop);
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(hWndDesktop, pWnd->m_hWnd);
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWndDesktop));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndDesktop));
    AfxDeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWndDesktop));
}

TEST(WndTest, CommandsAndNotificationsReachTheMap)
{
    CProbeWnd probe;
    ASSERT_TRUE(probe.CreateProbe());
    HWND hWndNotifier = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, probe.m_hWnd,
                                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_NOTIFIER)), nullptr, nullptr);
    NMHDR hdr = { hWndNotifier, ID_NOTIFIER, static_cast<UINT>(NM_CLICK) };
    EXPECT_EQ(5, ::SendMessageA(probe.m_hWnd, WM_NOTIFY, ID_NOTIFIER, reinterpret_cast<LPARAM>(&hdr)));
    ::SendMessageA(probe.m_hWnd, WM_COMMAND, MAKEWPARAM(5, 1), 0);    // as from an accelerator
    EXPECT_EQ(6, ::SendMessageA(probe.m_hWnd, WM_APP + 1, 5, 0));
    EXPECT_EQ((std::vector<std::string>{ "click from 7", "command 5" }), probe.m_astrCalls);
    probe.DestroyWindow();
}

// A subclassed BUTTON: the map sees its messages and its own procedure still does the work.
class CProbeButton : public CButton {
public:
    std::vector<std::string> m_astrTexts;

protected:
    LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        m_astrTexts.push_back(reinterpret_cast<LPCSTR>(lParam));
        return Default();
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeButton, CButton)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

TEST(WndTest, SubclassedButtonPassesThroughTheMapToItsOwnProcedure)
{
    CProbeWnd parent;
    ASSERT_TRUE(parent.CreateProbe());
    CProbeButton button;
    RECT rect = { 0, 0, 60, 60 };
    ASSERT_TRUE(button.Create("1", 0, rect, &parent, 5001));
    EXPECT_EQ(static_cast<LONG>(WS_CHILD), ::GetWindowLongA(button.m_hWnd, GWL_STYLE) & (WS_CHILD | WS_VISIBLE));
    button.SetWindowText("12");
    CString strText;
    button.GetWindowText(strText);
    EXPECT_EQ(std::string("12"), std::string(static_cast<LPCSTR>(strText)));
    EXPECT_EQ(std::vector<std::string>{ "12" }, button.m_astrTexts);
    parent.DestroyWindow();
    EXPECT_EQ(nullptr, button.m_hWnd);
}

TEST(WndTest, ThrowingHandlersAbandonTheMessageWithoutCrashing)
{
    const std::string strMemory = "\xD2\xD3\xD8\x82\xAA\x95\x73\x91\xAB\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81\x42";
    struct Case {
        CProbeWnd::Throw what;
        int nBoxes;
    } cases[] = {
        { CProbeWnd::Throw::BadAlloc, 1 },
        { CProbeWnd::Throw::MemoryException, 1 },
        { CProbeWnd::Throw::Other, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.what));
        CProbeWnd probe;
        ASSERT_TRUE(probe.CreateProbe());
        probe.m_throwOnApp = c.what;
        CDialogCloser closer;
        EXPECT_EQ(0, ::SendMessageA(probe.m_hWnd, WM_APP + 1, 5, 0));
        ASSERT_EQ(c.nBoxes, closer.GetCount());
        if (c.nBoxes == 1) {
            EXPECT_CP932_EQ("Pelmora", closer.GetSeen()[0].strCaption);
            EXPECT_CP932_EQ(strMemory, closer.GetSeen()[0].TextOf(0xFFFF));
        }
        // The window goes on working.
        probe.m_throwOnApp = CProbeWnd::Throw::Nothing;
        EXPECT_EQ(6, ::SendMessageA(probe.m_hWnd, WM_APP + 1, 5, 0));
        probe.DestroyWindow();
    }
}

TEST(WndTest, ThrowingOnCreateFailsTheCreation)
{
    for (CProbeWnd::Throw what : { CProbeWnd::Throw::BadAlloc, CProbeWnd::Throw::Other }) {
        CProbeWnd probe;
        probe.m_throwOnCreate = what;
        CDialogCloser closer;
        EXPECT_FALSE(probe.CreateProbe());
        EXPECT_EQ(nullptr, probe.m_hWnd);
        EXPECT_EQ(0, closer.GetCount());
        EXPECT_EQ(std::vector<std::string>{ "post nc destroy" }, probe.m_astrCalls);
    }
}

TEST(StringTest, FormatLoadAndEditKeepBytes)
{
    CString str;
    str.Format("%i \x8C\xC2", 15);
    EXPECT_CP932_EQ("15 \x8C\xC2", std::string(static_cast<LPCSTR>(str)));
    str.Format("%3.2f", 0.125);
    EXPECT_EQ(std::string("0.13"), std::string(static_cast<LPCSTR>(str)));

    EXPECT_FALSE(str.LoadString(65000));
    EXPECT_TRUE(str.IsEmpty());

    CString strA("ab\x82\xA0"), strB = strA + "c";
    EXPECT_EQ(5, strB.GetLength());
    EXPECT_EQ(2, strB.Find('\x82'));
    EXPECT_TRUE(strB.Left(2) == "ab");
    EXPECT_TRUE(strB.Mid(4) == "c");
    EXPECT_TRUE(strA != strB);

    CString strFormatted;
    AfxFormatString1(strFormatted, AFX_IDP_PARSE_STRING_SIZE, "64");
    EXPECT_CP932_EQ("64 \x95\xB6\x8E\x9A\x88\xC8\x93\xE0\x82\xC5\x93\xFC\x97\xCD\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42",
                    std::string(static_cast<LPCSTR>(strFormatted)));
}

} // namespace
