// The start and result notices as the frame runs them: texts, the ways to close, the owner, the position,
// and the 64-byte check on leaving by the button.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "common/Cp932.h"
#include "TestOwner.h"
#include "framework/AppState.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/NoticeDlg.h"

namespace {

const RECT kOwnerRect = { 300, 250, 700, 550 };

// Expected texts as code-page-932 bytes.
const char kStartCaption[] = "\x50\x65\x6c\x6d\x72\x6f\x61\xb9\xde\xb0\xd1\x8a\x4a\x8e\x6e";
const char kResultCaption[] = "\x50\x65\x6c\x6d\x72\x6f\x61\xb9\xde\xb0\xd1\x8c\x8b\x89\xca";
const char kStartLine1[] = "\x82\x50\x82\xa9\x82\xe7\x8f\x87\x94\xd4\x82\xc9\x83\x7b\x83\x5e\x83\x93\x82\xf0"
                           "\x83\x4e\x83\x8a\x83\x62\x83\x4e\x82\xb5\x82\xc4\x81\x41";
const char kStartLine2[] = "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83\x7b\x83\x5e\x83\x93\x82\xf0\x8f\xc1\x8b\x8e"
                           "\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
const char kResultLine1[] = "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83\x7b\x83\x5e\x83\x93\x82\xf0\x8f\xc1\x8b\x8e"
                            "\x82\xb7\x82\xe9\x82\xcc\x82\xc9\x81\x41";
// "秒かかりました。" after the number
const char kTookSuffix[] = "\x20\x95\x62\x82\xa9\x82\xa9\x82\xe8\x82\xdc\x82\xb5\x82\xbd\x81\x42";
const char kStartButton[] = "\x83\x51\x81\x5b\x83\x80\x83\x58\x83\x5e\x81\x5b\x83\x67";
const char kResultButton[] = "\x97\xb9\x81\x40\x89\xf0";
const char kAppTitle[] = "Pelmora";
const char kMaxCharsWarning[] = "\x36\x34\x20\x95\xb6\x8e\x9a\x88\xc8\x93\xe0\x82\xc5\x93\xfc\x97\xcd\x82\xb5"
                                "\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
// "あ": two bytes in code page 932
const char kWide[] = "\x82\xa0";

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

// What the frame does before the start notice.
void FillStart(CNoticeDlg& dlg)
{
    dlg.m_strLine1 = LoadText(IDS_START_LINE1);
    dlg.m_strLine2 = LoadText(IDS_START_LINE2);
    dlg.m_strButton = LoadText(IDS_START_BUTTON);
    dlg.m_strCaption = LoadText(IDS_START_CAPTION);
}

// What the frame does before the result notice, with the board's single-precision seconds.
void FillResult(CNoticeDlg& dlg, float fSeconds)
{
    dlg.m_strLine1 = LoadText(IDS_RESULT_LINE1);
    dlg.m_strLine2.Format(static_cast<LPCSTR>(LoadText(IDS_RESULT_LINE2)), static_cast<double>(fSeconds));
    dlg.m_strButton = LoadText(IDS_RESULT_BUTTON);
    dlg.m_strCaption = LoadText(IDS_RESULT_CAPTION);
}

std::string Str(const CString& str)
{
    return std::string(static_cast<LPCSTR>(str));
}

std::string Repeat(const std::string& str, int nTimes)
{
    std::string strResult;
    for (int i = 0; i < nTimes; ++i)
        strResult += str;
    return strResult;
}

class NoticeDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pOwner = std::make_unique<CTestOwner>(kOwnerRect);
        AfxSetMainWnd(m_pOwner->Wnd());
    }
    void TearDown() override
    {
        AfxSetMainWnd(nullptr);
        m_pOwner.reset();
    }

    std::unique_ptr<CTestOwner> m_pOwner;
};

struct NoticeCase {
    const char* pszName;
    bool bResult;
    float fSeconds;
    std::string strCaption, strLine1, strLine2, strButton;
};

TEST_F(NoticeDlgTest, ShowsTheTextsTheFrameFillsIn)
{
    const NoticeCase cases[] = {
        { "start", false, 0.0f, kStartCaption, kStartLine1, kStartLine2, kStartButton },
        { "result 7.25 s", true, 7.25f, kResultCaption, kResultLine1, std::string("7.25") + kTookSuffix,
          kResultButton },
        { "result 0.5 s", true, 0.5f, kResultCaption, kResultLine1, std::string("0.50") + kTookSuffix,
          kResultButton },
        { "result 100 s", true, 100.0f, kResultCaption, kResultLine1, std::string("100.00") + kTookSuffix,
          kResultButton },
        { "result 12.345 s", true, 12.345f, kResultCaption, kResultLine1, std::string("12.35") + kTookSuffix,
          kResultButton },
    };
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CNoticeDlg dlg(m_pOwner->Wnd());
        if (c.bResult)
            FillResult(dlg, c.fSeconds);
        else
            FillStart(dlg);
        CModalDriver driver({ CloseBy::Enter });
        EXPECT_EQ(IDOK, dlg.DoModal());
        ASSERT_EQ(1u, driver.m_snapshots.size());
        const CDialogSnapshot& shot = driver.m_snapshots[0];
        EXPECT_CP932_EQ(c.strCaption, shot.strCaption);
        EXPECT_CP932_EQ(c.strLine1, shot.Text(IDC_NOTICE_LINE1));
        EXPECT_CP932_EQ(c.strLine2, shot.Text(IDC_NOTICE_LINE2));
        EXPECT_CP932_EQ(c.strButton, shot.Text(IDOK));
        // Leaving by the button reads the lines back: the same texts.
        EXPECT_CP932_EQ(c.strLine1, Str(dlg.m_strLine1));
        EXPECT_CP932_EQ(c.strLine2, Str(dlg.m_strLine2));
        EXPECT_EQ(0, driver.m_nTimeouts);
    }
}

struct CloseCase {
    CloseBy how;
    INT_PTR nExpected;
};

const CloseCase kCloseCases[] = {
    { CloseBy::Enter, IDOK },         { CloseBy::ButtonClick, IDOK }, { CloseBy::CommandOk, IDOK },
    { CloseBy::Escape, IDCANCEL },    { CloseBy::CloseBox, IDCANCEL },
};

// Every way out ends the run, leaves the owner enabled and active, and the next notice runs the same.
void CheckCloseWays(CTestOwner& owner)
{
    for (const CloseCase& c : kCloseCases) {
        SCOPED_TRACE(CloseByName(c.how));
        CModalDriver driver({ c.how, CloseBy::Enter });

        auto pStart = std::make_unique<CNoticeDlg>(owner.Wnd());
        FillStart(*pStart);
        EXPECT_EQ(c.nExpected, pStart->DoModal());
        ASSERT_EQ(1u, driver.m_snapshots.size());
        const CDialogSnapshot& shot = driver.m_snapshots[0];
        EXPECT_TRUE(shot.bVisible);
        EXPECT_TRUE(shot.bActive);
        EXPECT_EQ(owner.Handle(), shot.hOwner);
        EXPECT_FALSE(shot.bOwnerEnabled) << "the owner takes no input while the notice is open";

        EXPECT_FALSE(::IsWindow(shot.hWnd)) << "the dialog window is destroyed when DoModal returns";
        EXPECT_EQ(nullptr, pStart->m_hWnd);
        EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(owner.Handle(), ::GetActiveWindow());
        EXPECT_CP932_EQ(kStartLine1, Str(pStart->m_strLine1));
        EXPECT_CP932_EQ(kStartLine2, Str(pStart->m_strLine2));
        EXPECT_FALSE(pStart->DestroyWindow()) << "nothing left to destroy";
        pStart.reset();

        // The game goes on: the next notice opens and closes as usual.
        CNoticeDlg next(owner.Wnd());
        FillResult(next, 7.25f);
        EXPECT_EQ(IDOK, next.DoModal());
        ASSERT_EQ(2u, driver.m_snapshots.size());
        EXPECT_CP932_EQ(kResultCaption, driver.m_snapshots[1].strCaption);
        EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(0, driver.m_nTimeouts);
    }
}

TEST_F(NoticeDlgTest, EveryWayOutEndsTheRunAndGivesTheOwnerBack)
{
    CheckCloseWays(*m_pOwner);
}

// The same through the application's message filter, as in the running program.
TEST_F(NoticeDlgTest, EveryWayOutEndsTheRunUnderAnApplicationObject)
{
    CWinApp app("Pelmora");
    AfxSetMainWnd(m_pOwner->Wnd());
    CheckCloseWays(*m_pOwner);
    AfxSetMainWnd(nullptr);
}

struct LengthCase {
    const char* pszName;
    int nLine;
    std::string strText;
    bool bRefused;
};

TEST_F(NoticeDlgTest, ALineLongerThan64BytesBlocksOk)
{
    const LengthCase cases[] = {
        { "64 one-byte characters, line 1", 1, std::string(64, 'x'), false },
        { "65 one-byte characters, line 1", 1, std::string(65, 'x'), true },
        { "32 two-byte characters, line 2", 2, Repeat(kWide, 32), false },
        { "33 two-byte characters (66 bytes), line 2", 2, Repeat(kWide, 33), true },
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CNoticeDlg dlg(m_pOwner->Wnd());
        FillStart(dlg);
        (c.nLine == 1 ? dlg.m_strLine1 : dlg.m_strLine2) = c.strText.c_str();
        // Enter on the notice; if refused: OK on the warning, then Esc on the notice, still open.
        CModalDriver driver({ CloseBy::Enter, CloseBy::CommandOk, CloseBy::Escape });
        INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(0, driver.m_nTimeouts);
        if (!c.bRefused) {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_EQ(1u, driver.m_snapshots.size());
            continue;
        }
        EXPECT_EQ(IDCANCEL, nResult);
        ASSERT_EQ(3u, driver.m_snapshots.size());
        const CDialogSnapshot& warning = driver.m_snapshots[1];
        EXPECT_CP932_EQ(kAppTitle, warning.strCaption);
        std::vector<std::string> texts = warning.StaticTexts();
        ASSERT_EQ(1u, texts.size());
        EXPECT_CP932_EQ(kMaxCharsWarning, texts[0]);
        EXPECT_EQ(driver.m_snapshots[0].hWnd, warning.hOwner) << "the warning belongs to the notice";
        EXPECT_EQ(driver.m_snapshots[0].hWnd, driver.m_snapshots[2].hWnd) << "the notice stays open";
        EXPECT_TRUE(::IsWindowEnabled(m_pOwner->Handle()));
    }
}

TEST_F(NoticeDlgTest, AQuitMessageEndsTheRunAndIsLeftForTheOuterLoop)
{
    CNoticeDlg dlg(m_pOwner->Wnd());
    FillStart(dlg);
    CModalDriver driver({ CloseBy::Quit });
    EXPECT_EQ(-1, dlg.DoModal());
    ASSERT_EQ(1u, driver.m_snapshots.size());
    EXPECT_FALSE(::IsWindow(driver.m_snapshots[0].hWnd));
    EXPECT_TRUE(::IsWindowEnabled(m_pOwner->Handle()));
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT posted again";
    EXPECT_EQ(7u, msg.wParam);
}

// A notice that places itself while initialising is left where it put itself.
class CPlacedNoticeDlg : public CNoticeDlg {
public:
    explicit CPlacedNoticeDlg(CWnd* pParent) : CNoticeDlg(pParent) {}

protected:
    BOOL OnInitDialog() override
    {
        BOOL bResult = CNoticeDlg::OnInitDialog();
        RECT rc;
        GetWindowRect(&rc);
        MoveWindow(17, 23, rc.right - rc.left, rc.bottom - rc.top);
        return bResult;
    }
};

TEST_F(NoticeDlgTest, ADialogMovedDuringInitialisationIsNotCentred)
{
    CPlacedNoticeDlg dlg(m_pOwner->Wnd());
    FillStart(dlg);
    CModalDriver driver({ CloseBy::Enter });
    EXPECT_EQ(IDOK, dlg.DoModal());
    ASSERT_EQ(1u, driver.m_snapshots.size());
    EXPECT_EQ(17, driver.m_snapshots[0].rcWindow.left);
    EXPECT_EQ(23, driver.m_snapshots[0].rcWindow.top);
}

} // namespace
