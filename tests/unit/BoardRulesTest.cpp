#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "game/BoardRules.h"
#include "game/NumberShuffle.h"

namespace {

const char kRemaining[] = "%i \x8C\xC2\x8E\x63\x82\xE8";                          // "%i 個残り"
const char kCleared[] = "%3.2f \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!";      // "%3.2f 秒でクリア!!"
const std::string kRemainingTail = " \x8C\xC2\x8E\x63\x82\xE8";
const std::string kClearedTail = " \x95\x62\x82\xC5\x83\x4E\x83\x8A\x83\x41!!";

// The 4x4 arrangement for calendar second 0.
const std::vector<int> kNumbers4x4 = {1, 4, 11, 2, 5, 6, 16, 15, 3, 14, 8, 13, 10, 9, 12, 7};

class CFakeCell : public CNumberCell {
public:
    using CNumberCell::CNumberCell;
    int m_bWindow = 0;
    int m_bVisible = 0;
};

// Window operations recorded as text, one line per call.
class CFakeBoard : public CBoardRules {
public:
    using CBoardRules::m_bButtonsCreated;
    using CBoardRules::m_nStartTicks;

    CFakeBoard()
    {
        std::strcpy(m_szRemaining, kRemaining);
        std::strcpy(m_szCleared, kCleared);
    }

    ~CFakeBoard() override
    {
        if (m_bButtonsCreated)
            DestroyButtons();
    }

    CFakeCell* Cell(int nPosition) const { return static_cast<CFakeCell*>(GetButton(nPosition)); }

    int PositionOf(int nNumber) const
    {
        for (int nPosition = 1; nPosition <= GetGridSize() * GetGridSize(); ++nPosition)
            if (Cell(nPosition) && Cell(nPosition)->GetNumber() == nNumber)
                return nPosition;
        return 0;
    }

    std::vector<std::string> m_astrCalls;
    std::vector<std::string> m_astrStatus;
    std::vector<unsigned int> m_anBeeps;
    int m_nNotified = 0;
    int m_nLiveCells = 0;
    int m_nClock = 0;
    int m_nClockReads = 0;
    std::uint32_t m_nCalendar = 0;

protected:
    CNumberCell* NewButton(int nRow, int nCol, int nPosition, int nCellSize) override
    {
        m_astrCalls.push_back("new " + std::to_string(nRow) + "," + std::to_string(nCol) + " p" +
                              std::to_string(nPosition) + " c" + std::to_string(nCellSize));
        ++m_nLiveCells;
        return new CFakeCell(nRow, nCol, nPosition, nCellSize);
    }
    void CreateButtonWindow(CNumberCell* pButton, int nNumber) override
    {
        m_astrCalls.push_back("create p" + std::to_string(pButton->GetPosition()) + " #" + std::to_string(nNumber));
        pButton->SetNumber(nNumber);
        static_cast<CFakeCell*>(pButton)->m_bWindow = 1;
    }
    void ShowButton(CNumberCell* pButton, int bShow) override
    {
        m_astrCalls.push_back("show p" + std::to_string(pButton->GetPosition()) + " " + std::to_string(bShow));
        static_cast<CFakeCell*>(pButton)->m_bVisible = bShow;
    }
    void DestroyButton(CNumberCell* pButton) override
    {
        m_astrCalls.push_back("destroy p" + std::to_string(pButton->GetPosition()));
        --m_nLiveCells;
        delete pButton;
    }
    void SetStatusText(const char* pszText) override
    {
        m_astrCalls.push_back("status");
        m_astrStatus.push_back(pszText);
    }
    void Beep(unsigned int nType) override
    {
        m_astrCalls.push_back("beep " + std::to_string(nType));
        m_anBeeps.push_back(nType);
    }
    void NotifyCleared() override
    {
        m_astrCalls.push_back("notify");
        ++m_nNotified;
    }
    int ReadClock() override
    {
        m_astrCalls.push_back("clock");
        ++m_nClockReads;
        return m_nClock;
    }
    std::uint32_t ReadCalendarTime() override
    {
        m_astrCalls.push_back("time");
        return m_nCalendar;
    }
};

std::vector<int> NumbersOf(const CFakeBoard& board)
{
    std::vector<int> anNumbers;
    for (int nPosition = 1; nPosition <= board.GetGridSize() * board.GetGridSize(); ++nPosition)
        anNumbers.push_back(board.Cell(nPosition) ? board.Cell(nPosition)->GetNumber() : -1);
    return anNumbers;
}

// Clicks numbers 1..nCount in order.
void ClickInOrder(CFakeBoard& board, int nCount)
{
    for (int nNumber = 1; nNumber <= nCount; ++nNumber)
        board.OnNumberClicked(board.PositionOf(nNumber));
}

TEST(BoardRulesTest, ConstructionDefaults)
{
    CFakeBoard board;
    EXPECT_EQ(board.GetGridSize(), 5);
    EXPECT_EQ(board.GetCellSize(), 60);
    EXPECT_EQ(board.m_bButtonsCreated, 0);
    EXPECT_EQ(board.GetCleared(), 0);
    EXPECT_EQ(board.GetRemaining(), 25);
    EXPECT_EQ(board.GetNavigation(), 0);
    EXPECT_EQ(board.GetSeconds(), 0.0f);
    for (int nPosition = 1; nPosition <= 25; ++nPosition)
        EXPECT_EQ(board.GetButton(nPosition), nullptr) << "position " << nPosition;
    EXPECT_TRUE(board.m_astrCalls.empty());
}

TEST(BoardRulesTest, SizesAreClamped)
{
    struct {
        int nGiven, nGrid, nCell;
    } const aCases[] = {
        {7, 5, 10}, {1, 2, 10}, {5, 5, 10}, {2, 2, 10}, {3, 3, 10}, {0, 2, 10}, {-4, 2, 10},
        {300, 5, 200}, {200, 5, 200}, {201, 5, 200}, {9, 5, 10}, {10, 5, 10}, {60, 5, 60}, {INT_MIN, 2, 10},
    };
    for (const auto& c : aCases) {
        CFakeBoard board;
        board.SetGridSize(c.nGiven);
        board.SetCellSize(c.nGiven);
        EXPECT_EQ(board.GetGridSize(), c.nGrid) << "SetGridSize(" << c.nGiven << ")";
        EXPECT_EQ(board.GetCellSize(), c.nCell) << "SetCellSize(" << c.nGiven << ")";
    }
}

TEST(BoardRulesTest, NavigationFlagIsStored)
{
    CFakeBoard board;
    board.SetNavigation(1);
    EXPECT_EQ(board.GetNavigation(), 1);
    board.SetNavigation(0);
    EXPECT_EQ(board.GetNavigation(), 0);
    EXPECT_TRUE(board.m_astrCalls.empty());
}

TEST(BoardRulesTest, StartGameCreatesNumbersShowsAndStartsTheClock)
{
    CFakeBoard board;
    board.SetGridSize(2);
    board.m_nClock = 777;
    board.StartGame();

    // 2x2 with calendar second 0: numbers 1, 3, 2, 4.
    const std::vector<std::string> astrExpected = {
        "new 0,0 p1 c60", "new 0,1 p2 c60", "new 1,0 p3 c60", "new 1,1 p4 c60",
        "time",
        "create p1 #1", "create p2 #3", "create p3 #2", "create p4 #4",
        "show p1 1", "show p2 1", "show p3 1", "show p4 1",
        "clock",
    };
    EXPECT_EQ(board.m_astrCalls, astrExpected);
    EXPECT_EQ(board.m_nStartTicks, 777);
    EXPECT_EQ(board.m_bButtonsCreated, 1);
    EXPECT_EQ(board.GetCleared(), 0);
    EXPECT_EQ(board.GetRemaining(), 4);
    EXPECT_TRUE(board.m_astrStatus.empty()) << "StartGame leaves the status text alone";
    EXPECT_EQ(board.GetButton(5), nullptr);
}

TEST(BoardRulesTest, ButtonsTileTheBoard)
{
    CFakeBoard board;
    board.SetGridSize(3);
    board.StartGame();
    for (int nPosition = 1; nPosition <= 9; ++nPosition) {
        const CNumberCell* pCell = board.GetButton(nPosition);
        ASSERT_NE(pCell, nullptr) << "position " << nPosition;
        const int nRow = (nPosition - 1) / 3, nCol = (nPosition - 1) % 3;
        EXPECT_EQ(pCell->GetRow(), nRow);
        EXPECT_EQ(pCell->GetCol(), nCol);
        EXPECT_EQ(pCell->GetPosition(), nPosition);
        const CCellRect rect = pCell->GetCellRect();
        EXPECT_EQ(rect.left, nCol * 60) << "position " << nPosition;
        EXPECT_EQ(rect.top, nRow * 60) << "position " << nPosition;
        EXPECT_EQ(rect.right, nCol * 60 + 60) << "position " << nPosition;
        EXPECT_EQ(rect.bottom, nRow * 60 + 60) << "position " << nPosition;
    }
}

TEST(BoardRulesTest, StartGameTwiceCreatesOnce)
{
    CFakeBoard board;
    board.SetGridSize(3);
    board.m_nClock = 5;
    board.StartGame();
    const std::vector<std::string> astrFirst = board.m_astrCalls;
    const std::vector<int> anNumbers = NumbersOf(board);
    board.m_nClock = 99;
    board.m_nCalendar = 12345;
    board.StartGame();
    EXPECT_EQ(board.m_astrCalls, astrFirst);
    EXPECT_EQ(board.m_nLiveCells, 9);
    EXPECT_EQ(NumbersOf(board), anNumbers);
    EXPECT_EQ(board.m_nStartTicks, 5);
}

TEST(BoardRulesTest, ShuffleUsesTheCalendarSecond)
{
    for (std::uint32_t nSecond : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
        for (int nGridSize = 2; nGridSize <= 5; ++nGridSize) {
            CNumberShuffle shuffle;
            shuffle.Begin(nGridSize, nSecond);
            std::vector<int> anExpected;
            for (int i = 0; i < nGridSize * nGridSize; ++i)
                anExpected.push_back(shuffle.Draw());

            // Two games in the same second get the same arrangement.
            CFakeBoard board;
            board.SetGridSize(nGridSize);
            board.m_nCalendar = nSecond;
            for (int nGame = 0; nGame < 2; ++nGame) {
                board.DestroyButtons();
                board.StartGame();
                EXPECT_EQ(NumbersOf(board), anExpected) << "N=" << nGridSize << " second " << nSecond;
            }
        }
    }
}

TEST(BoardRulesTest, RemainingCountsDownOnAFourByFourBoard)
{
    CFakeBoard board;
    board.SetGridSize(4);
    board.StartGame();
    ASSERT_EQ(NumbersOf(board), kNumbers4x4);

    for (int k = 1; k <= 15; ++k) {
        const int nPosition = board.PositionOf(k);
        board.OnNumberClicked(nPosition);
        ASSERT_EQ(board.m_astrStatus.size(), static_cast<std::size_t>(k));
        EXPECT_EQ(board.m_astrStatus.back(), std::to_string(16 - k) + kRemainingTail) << "after " << k << " clicks";
        EXPECT_EQ(board.GetCleared(), k);
        EXPECT_EQ(board.GetRemaining(), 16 - k);
        EXPECT_EQ(board.Cell(nPosition)->m_bVisible, 0) << "number " << k << " stays visible";
    }
    EXPECT_EQ(board.m_astrStatus.front(), "15" + kRemainingTail);
    EXPECT_TRUE(board.m_anBeeps.empty());
    EXPECT_EQ(board.m_nNotified, 0);
}

TEST(BoardRulesTest, WrongClicksOnlyBeep)
{
    CFakeBoard board;
    board.SetGridSize(4);
    board.m_nClock = 1000;
    board.StartGame();
    ClickInOrder(board, 3);   // next expected: 4

    // Numbers already cleared, and numbers still ahead.
    for (int nNumber : {1, 3, 5, 16, 7}) {
        const std::size_t nCallsBefore = board.m_astrCalls.size();
        const std::vector<std::string> astrStatus = board.m_astrStatus;
        const int nPosition = board.PositionOf(nNumber);
        const int bVisible = board.Cell(nPosition)->m_bVisible;
        board.m_nClock += 50;
        board.OnNumberClicked(nPosition);

        ASSERT_EQ(board.m_astrCalls.size(), nCallsBefore + 1) << "number " << nNumber;
        EXPECT_EQ(board.m_astrCalls.back(), "beep 48") << "number " << nNumber;
        EXPECT_EQ(board.m_astrStatus, astrStatus);
        EXPECT_EQ(board.GetCleared(), 3);
        EXPECT_EQ(board.m_nStartTicks, 1000);
        EXPECT_EQ(board.Cell(nPosition)->m_bVisible, bVisible);
    }
    EXPECT_EQ(board.m_nClockReads, 1);
    EXPECT_EQ(board.m_nNotified, 0);
}

TEST(BoardRulesTest, CompletionShowsTheTimeBeepsAndNotifiesOnce)
{
    struct {
        int nStart, nEnd;
        const char* pszShown;    // from the double product
        float fSeconds;
    } const aCases[] = {
        {0, 12345, "12.35", 12.345000267028809f},
        {1000, 1500, "0.50", 0.5f},
        {20, 100020, "100.00", 100.00000476837158f},
        {0, 1005, "1.01", 1.00499999523162841796875f},
        {0, 505, "0.51", 0.504999995231628f},
        {3, 128, "0.13", 0.125f},
        {INT_MAX - 100, INT_MIN + 200, "0.30", 0.301000014f},   // the millisecond count wrapped
    };
    for (const auto& c : aCases) {
        CFakeBoard board;
        board.SetGridSize(2);
        board.m_nClock = c.nStart;
        board.StartGame();
        ClickInOrder(board, 3);
        board.m_nClock = c.nEnd;
        board.m_astrCalls.clear();
        board.OnNumberClicked(board.PositionOf(4));

        ASSERT_EQ(board.m_astrCalls.size(), 6u);
        EXPECT_EQ(board.m_astrCalls[0], "show p" + std::to_string(board.PositionOf(4)) + " 0");
        EXPECT_EQ(std::vector<std::string>(board.m_astrCalls.begin() + 1, board.m_astrCalls.end()),
                  (std::vector<std::string>{"status", "clock", "status", "beep 64", "notify"}));
        ASSERT_EQ(board.m_astrStatus.size(), 5u);
        EXPECT_EQ(board.m_astrStatus[3], "0" + kRemainingTail);
        EXPECT_EQ(board.m_astrStatus[4], c.pszShown + kClearedTail) << "end " << c.nEnd;
        const int nElapsed = static_cast<int>(static_cast<unsigned>(c.nEnd) - static_cast<unsigned>(c.nStart));
        EXPECT_EQ(board.m_nStartTicks, nElapsed);
        EXPECT_EQ(board.GetSeconds(), c.fSeconds) << "end " << c.nEnd;
        EXPECT_EQ(board.GetRemaining(), 0);
        EXPECT_EQ(board.m_nNotified, 1);

        // Cleared: the buttons still exist, and a further click is a wrong one.
        board.OnNumberClicked(1);
        EXPECT_EQ(board.m_anBeeps, (std::vector<unsigned int>{0x40, 0x30}));
        EXPECT_EQ(board.m_nNotified, 1);
        EXPECT_EQ(board.m_nLiveCells, 4);
    }
}

TEST(BoardRulesTest, SecondsKeepTheFloatWhileTheTextShowsTheDouble)
{
    CFakeBoard board;
    board.SetGridSize(2);
    board.StartGame();
    ClickInOrder(board, 3);
    board.m_nClock = 1005;
    board.OnNumberClicked(board.PositionOf(4));
    EXPECT_EQ(static_cast<double>(board.GetSeconds()), 1.00499999523162841796875);
    EXPECT_EQ(board.m_astrStatus.back(), "1.01" + kClearedTail);
}

TEST(BoardRulesTest, DestroyButtonsTwiceIsHarmless)
{
    CFakeBoard board;
    board.SetGridSize(2);
    board.StartGame();
    board.m_astrCalls.clear();
    board.DestroyButtons();
    const std::vector<std::string> astrExpected = {"show p1 0", "destroy p1", "show p2 0", "destroy p2",
                                                   "show p3 0", "destroy p3", "show p4 0", "destroy p4"};
    EXPECT_EQ(board.m_astrCalls, astrExpected);
    EXPECT_EQ(board.m_nLiveCells, 0);
    EXPECT_EQ(board.m_bButtonsCreated, 0);
    for (int nPosition = 1; nPosition <= 4; ++nPosition)
        EXPECT_EQ(board.GetButton(nPosition), nullptr);

    board.DestroyButtons();
    EXPECT_EQ(board.m_astrCalls, astrExpected);
    EXPECT_EQ(board.m_nLiveCells, 0);
}

TEST(BoardRulesTest, NewGameAfterDestroyStartsAfresh)
{
    CFakeBoard board;
    board.SetGridSize(2);
    board.StartGame();
    ClickInOrder(board, 2);
    board.DestroyButtons();
    board.SetGridSize(3);
    board.m_nClock = 42;
    board.StartGame();
    EXPECT_EQ(board.GetCleared(), 0);
    EXPECT_EQ(board.GetRemaining(), 9);
    EXPECT_EQ(board.m_nLiveCells, 9);
    EXPECT_EQ(board.m_nStartTicks, 42);
    EXPECT_EQ(NumbersOf(board), (std::vector<int>{1, 3, 6, 4, 9, 2, 8, 5, 7}));
    for (int nPosition = 1; nPosition <= 9; ++nPosition)
        EXPECT_EQ(board.Cell(nPosition)->m_bVisible, 1) << "position " << nPosition;
}

TEST(BoardRulesTest, ClicksWithoutAButtonAreIgnored)
{
    CFakeBoard empty;
    for (int nPosition : {-1, 0, 1, 4, 25, 26})
        empty.OnNumberClicked(nPosition);
    EXPECT_TRUE(empty.m_astrCalls.empty());

    CFakeBoard board;
    board.SetGridSize(3);
    board.StartGame();
    board.m_astrCalls.clear();
    for (int nPosition : {INT_MIN, -1, 0, 10, 25, 26, INT_MAX})
        board.OnNumberClicked(nPosition);
    EXPECT_TRUE(board.m_astrCalls.empty());

    board.DestroyButtons();
    board.m_astrCalls.clear();
    board.OnNumberClicked(1);
    EXPECT_TRUE(board.m_astrCalls.empty());
    EXPECT_EQ(board.GetCleared(), 0);
}

}  // namespace
