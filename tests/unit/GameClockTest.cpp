#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "game/BoardRules.h"
#include "game/GameClock.h"

namespace {

// Reaches the default clock and calendar of the rules; the window operations are never called here.
class CDefaultServices : public CBoardRules {
public:
    int Clock() { return ReadClock(); }
    std::uint32_t Calendar() { return ReadCalendarTime(); }

protected:
    CNumberCell* NewButton(int, int, int, int) override { return nullptr; }
    void CreateButtonWindow(CNumberCell*, int) override {}
    void ShowButton(CNumberCell*, int) override {}
    void DestroyButton(CNumberCell*) override {}
    void SetStatusText(const char*) override {}
    void Beep(unsigned int) override {}
    void NotifyCleared() override {}
};

TEST(GameClockTest, CountsForwardFromProcessStart)
{
    const int nFirst = ClockMilliseconds();
    EXPECT_GE(nFirst, 0);
    int nPrevious = nFirst;
    for (int i = 0; i < 1000; ++i) {
        const int nNow = ClockMilliseconds();
        ASSERT_GE(nNow, nPrevious);
        nPrevious = nNow;
    }
}

TEST(GameClockTest, RulesReadTheRealClockAndCalendarByDefault)
{
    CDefaultServices services;
    const int nBefore = ClockMilliseconds();
    const int nClock = services.Clock();
    EXPECT_GE(nClock, nBefore);
    EXPECT_LE(nClock, ClockMilliseconds());

    const std::uint32_t nTimeBefore = static_cast<std::uint32_t>(std::time(nullptr));
    const std::uint32_t nCalendar = services.Calendar();
    EXPECT_GE(nCalendar, nTimeBefore);
    EXPECT_LE(nCalendar, static_cast<std::uint32_t>(std::time(nullptr)));
}

}  // namespace
