// The About box: what it shows, where it appears and how it closes.
#include <gtest/gtest.h>

#include <vector>

#include "ModalDriver.h"
#include "common/Cp932.h"
#include "TestOwner.h"
#include "framework/AppState.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"

namespace {

const char kAboutCaption[] = "\x50\x65\x6c\x6d\x6f\x72\x61\xca\xde\xb0\xbc\xde\xae\xdd\x8f\xee\x95\xf1";
const char kWelcome[] = "Welcome to Pelmora Version 0.95J.";

struct AboutCloseCase {
    CloseBy how;
    INT_PTR nExpected;
};

TEST(AboutDlg, ShowsItsTemplateOverTheMainWindowAndClosesEveryWay)
{
    const AboutCloseCase cases[] = {
        { CloseBy::ButtonClick, IDOK },
        { CloseBy::Enter, IDOK },
        { CloseBy::Escape, IDCANCEL },
        { CloseBy::CloseBox, IDCANCEL },
    };
    CTestOwner frame(RECT{ 250, 200, 650, 500 });
    AfxSetMainWnd(frame.Wnd());
    for (const AboutCloseCase& c : cases) {
        SCOPED_TRACE(CloseByName(c.how));
        CModalDriver driver({ c.how });
        {
            CAboutDlg dlg;
            EXPECT_EQ(c.nExpected, dlg.DoModal());
        }
        EXPECT_EQ(0, driver.m_nTimeouts);
        ASSERT_EQ(1u, driver.m_snapshots.size());
        const CDialogSnapshot& shot = driver.m_snapshots[0];
        EXPECT_CP932_EQ(kAboutCaption, shot.strCaption);
        EXPECT_EQ(frame.Handle(), shot.hOwner) << "without a parent the main window owns the box";
        EXPECT_FALSE(shot.bOwnerEnabled);
        EXPECT_TRUE(::IsWindowEnabled(frame.Handle()));
        EXPECT_EQ(frame.Handle(), ::GetActiveWindow());

        // Welcome, contact and credit lines; the fourth static text of the template is empty.
        std::vector<std::string> texts = shot.StaticTexts();
        ASSERT_EQ(3u, texts.size());
        EXPECT_CP932_EQ(kWelcome, texts[0]);
        EXPECT_CP932_EQ("OK", shot.Text(IDOK));

        // The two pictures at their own sizes, in template order.
        std::vector<SIZE> pictures;
        for (const CControlSnapshot& control : shot.controls) {
            if (control.sizeImage.cx != 0)
                pictures.push_back(control.sizeImage);
        }
        ASSERT_EQ(2u, pictures.size());
        EXPECT_EQ(32, pictures[0].cx);
        EXPECT_EQ(32, pictures[0].cy);
        EXPECT_EQ(68, pictures[1].cx);
        EXPECT_EQ(68, pictures[1].cy);

        // Centred over the frame, which sits well inside the work area.
        RECT rcFrame;
        ::GetWindowRect(frame.Handle(), &rcFrame);
        const RECT& rcDlg = shot.rcWindow;
        EXPECT_EQ((rcFrame.left + rcFrame.right) / 2 - (rcDlg.right - rcDlg.left) / 2, rcDlg.left);
        EXPECT_EQ((rcFrame.top + rcFrame.bottom) / 2 - (rcDlg.bottom - rcDlg.top) / 2, rcDlg.top);
    }
    AfxSetMainWnd(nullptr);
}

} // namespace
