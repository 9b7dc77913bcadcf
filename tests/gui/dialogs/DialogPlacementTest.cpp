// Where a modal dialog appears, and a template that cannot be loaded.
#include <gtest/gtest.h>

#include <memory>

#include "ModalDriver.h"
#include "TestOwner.h"
#include "framework/AppState.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "ui/NoticeDlg.h"

namespace {

enum class OwnerState { Shown, Hidden, Minimised };

struct PlacementCase {
    const char* pszName;
    RECT rcOwner;    // relative to the work area: negative offsets from its right/bottom when flagged below
    bool bFromRight;
    bool bFromBottom;
    OwnerState state;
};

// The rule: centre over the visible owner (or the work area without one), then push inside the work area.
POINT ExpectedTopLeft(HWND hOwner, SIZE sizeDlg)
{
    RECT rcTarget;
    RECT rcArea;
    if (::IsWindowVisible(hOwner) && !::IsIconic(hOwner)) {
        ::GetWindowRect(hOwner, &rcTarget);
        rcArea = WorkAreaNear(hOwner);
    } else {
        rcArea = PrimaryWorkArea();
        rcTarget = rcArea;
    }
    int x = (rcTarget.left + rcTarget.right) / 2 - sizeDlg.cx / 2;
    int y = (rcTarget.top + rcTarget.bottom) / 2 - sizeDlg.cy / 2;
    if (x < rcArea.left)
        x = rcArea.left;
    else if (x + sizeDlg.cx > rcArea.right)
        x = rcArea.right - sizeDlg.cx;
    if (y < rcArea.top)
        y = rcArea.top;
    else if (y + sizeDlg.cy > rcArea.bottom)
        y = rcArea.bottom - sizeDlg.cy;
    return POINT{ x, y };
}

TEST(DialogPlacement, CentredOverTheOwnerAndKeptInsideTheWorkArea)
{
    const RECT rcArea = PrimaryWorkArea();
    const PlacementCase cases[] = {
        { "middle of the screen", { 312, 234, 712, 534 }, false, false, OwnerState::Shown },
        { "odd sizes round like C++", { 301, 201, 610, 472 }, false, false, OwnerState::Shown },
        { "near the left edge", { -300, 300, -60, 480 }, false, false, OwnerState::Shown },
        { "near the top edge", { 300, -170, 540, 10 }, false, false, OwnerState::Shown },
        { "near the right edge", { 60, 300, 300, 480 }, true, false, OwnerState::Shown },
        { "near the bottom edge", { 300, 10, 540, 190 }, false, true, OwnerState::Shown },
        { "hidden owner", { 20, 20, 260, 200 }, false, false, OwnerState::Hidden },
        { "minimised owner", { 20, 20, 260, 200 }, false, false, OwnerState::Minimised },
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        RECT rcOwner = c.rcOwner;
        if (c.bFromRight)
            ::OffsetRect(&rcOwner, rcArea.right - c.rcOwner.left + 60, 0);    // mostly off the right edge
        if (c.bFromBottom)
            ::OffsetRect(&rcOwner, 0, rcArea.bottom - c.rcOwner.top - 10);    // mostly below the bottom edge
        CTestOwner owner(rcOwner);
        if (c.state == OwnerState::Hidden)
            ::ShowWindow(owner.Handle(), SW_HIDE);
        if (c.state == OwnerState::Minimised)
            ::ShowWindow(owner.Handle(), SW_MINIMIZE);
        guitest::PumpPendingMessages();

        CNoticeDlg dlg(owner.Wnd());
        CModalDriver driver({ CloseBy::Enter });
        EXPECT_EQ(IDOK, dlg.DoModal());
        ASSERT_EQ(1u, driver.m_snapshots.size());
        const RECT& rcDlg = driver.m_snapshots[0].rcWindow;
        SIZE sizeDlg = { rcDlg.right - rcDlg.left, rcDlg.bottom - rcDlg.top };
        POINT ptExpected = ExpectedTopLeft(owner.Handle(), sizeDlg);
        RECT rcOwnerNow;
        ::GetWindowRect(owner.Handle(), &rcOwnerNow);
        EXPECT_EQ(ptExpected.x, rcDlg.left) << "owner " << rcOwnerNow.left << "," << rcOwnerNow.top << " - "
                                            << rcOwnerNow.right << "," << rcOwnerNow.bottom;
        EXPECT_EQ(ptExpected.y, rcDlg.top);
        EXPECT_GE(rcDlg.left, rcArea.left);
        EXPECT_GE(rcDlg.top, rcArea.top);
        EXPECT_LE(rcDlg.right, rcArea.right);
        EXPECT_LE(rcDlg.bottom, rcArea.bottom);
    }
}

TEST(DialogPlacement, AMissingTemplateReturnsMinusOneAndShowsNothing)
{
    CTestOwner owner(RECT{ 300, 250, 700, 550 });
    CDialog dlg(9999, owner.Wnd());
    CModalDriver driver({});
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(0, driver.m_nDialogsCreated);
    EXPECT_TRUE(driver.m_snapshots.empty());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(owner.Handle(), ::GetActiveWindow());
}

} // namespace
