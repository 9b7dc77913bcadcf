// Holds the start notice, a result notice and the About box on screen for shots.sh, which sets
// PELMO_SHOT_DIR and takes a picture of each; skipped in ordinary runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ModalDriver.h"
#include "TestOwner.h"
#include "framework/AppState.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/NoticeDlg.h"

namespace {

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

TEST(DialogShots, StartNoticeResultNoticeAndAboutBox)
{
    const char* pszDirectory = std::getenv("PELMO_SHOT_DIR");
    if (pszDirectory == nullptr || *pszDirectory == '\0')
        GTEST_SKIP() << "only for shots.sh";

    CTestOwner frame(RECT{ 312, 200, 712, 560 });
    AfxSetMainWnd(frame.Wnd());
    CModalDriver driver({ CloseBy::Enter, CloseBy::Enter, CloseBy::Enter });
    driver.HoldForScreenshots(pszDirectory, { "start-notice", "result-notice", "about-box" });

    CNoticeDlg start(frame.Wnd());
    start.m_strLine1 = LoadText(IDS_START_LINE1);
    start.m_strLine2 = LoadText(IDS_START_LINE2);
    start.m_strButton = LoadText(IDS_START_BUTTON);
    start.m_strCaption = LoadText(IDS_START_CAPTION);
    EXPECT_EQ(IDOK, start.DoModal());

    CNoticeDlg result(frame.Wnd());
    result.m_strLine1 = LoadText(IDS_RESULT_LINE1);
    result.m_strLine2.Format(static_cast<LPCSTR>(LoadText(IDS_RESULT_LINE2)), static_cast<double>(7.25f));
    result.m_strButton = LoadText(IDS_RESULT_BUTTON);
    result.m_strCaption = LoadText(IDS_RESULT_CAPTION);
    EXPECT_EQ(IDOK, result.DoModal());

    CAboutDlg about;
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_EQ(3u, driver.m_snapshots.size());
    AfxSetMainWnd(nullptr);
}

} // namespace
