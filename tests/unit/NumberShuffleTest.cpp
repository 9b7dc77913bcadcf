#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/NumberShuffle.h"
#include "game/RandomSource.h"

namespace {

std::vector<int> Shuffle(int nGridSize, std::uint32_t nSeed, int* pnDraws = nullptr)
{
    CNumberShuffle shuffle;
    shuffle.Begin(nGridSize, nSeed);
    std::vector<int> anNumbers;
    for (int i = 0; i < nGridSize * nGridSize; ++i)
        anNumbers.push_back(shuffle.Draw());
    if (pnDraws)
        *pnDraws = shuffle.GetDrawCount();
    return anNumbers;
}

// The seed whose first Next() leaves the generator in nState.
std::uint32_t SeedBefore(std::uint32_t nState)
{
    std::uint32_t nInverse = 214013u;   // Newton's iteration for the inverse of an odd number mod 2^32
    for (int i = 0; i < 5; ++i)
        nInverse *= 2u - 214013u * nInverse;
    return (nState - 2531011u) * nInverse;
}

TEST(RandomSourceTest, SeedZeroGivesKnownSequence)
{
    CRandomSource random;
    random.Seed(0);
    const int anExpected[] = {38, 7719, 21238, 2437, 8855};
    for (int nExpected : anExpected)
        EXPECT_EQ(random.Next(), nExpected);
}

TEST(RandomSourceTest, StateAdvancesByTheLinearCongruence)
{
    CRandomSource random;
    EXPECT_EQ(random.GetState(), 1u);
    random.Seed(0);
    random.Next();
    EXPECT_EQ(random.GetState(), 2531011u);
    random.Seed(0xFFFFFFFFu);
    const int nValue = random.Next();
    const std::uint32_t nState = 0xFFFFFFFFu * 214013u + 2531011u;
    EXPECT_EQ(random.GetState(), nState);
    EXPECT_EQ(nValue, static_cast<int>((nState >> 16) & 0x7FFF));
}

TEST(RandomSourceTest, SeedingAgainRepeatsTheSequence)
{
    CRandomSource random;
    random.Seed(1700000000u);
    std::vector<int> anFirst;
    for (int i = 0; i < 50; ++i)
        anFirst.push_back(random.Next());
    random.Seed(1700000000u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(random.Next(), anFirst[i]) << "output " << i;
}

TEST(NumberShuffleTest, MapsOutputsToIndexes)
{
    struct {
        int nGridSize, nRandom, nIndex;
    } const aCases[] = {
        {3, 0, 0},     {3, 3640, 0},   {3, 3641, 1},  {3, 32766, 8},  {3, 32767, 9},
        {2, 8191, 0},  {2, 8192, 1},   {2, 32766, 3}, {2, 32767, 4},  {5, 38, 0},
        {5, 1310, 0},  {5, 1311, 1},   {5, 32766, 24}, {5, 32767, 25}, {4, 32767, 16},
    };
    for (const auto& c : aCases)
        EXPECT_EQ(CNumberShuffle::MapToIndex(c.nGridSize, c.nRandom), c.nIndex)
            << "N=" << c.nGridSize << " r=" << c.nRandom;
}

TEST(NumberShuffleTest, SeedZeroGivesKnownArrangements)
{
    struct {
        int nGridSize;
        std::vector<int> anNumbers;
        int nDraws;
    } const aCases[] = {
        {2, {1, 3, 2, 4}, 8},
        {3, {1, 3, 6, 4, 9, 2, 8, 5, 7}, 37},
        {4, {1, 4, 11, 2, 5, 6, 16, 15, 3, 14, 8, 13, 10, 9, 12, 7}, 38},
        {5, {1, 6, 17, 2, 7, 10, 25, 8, 24, 5, 22, 16, 13, 21, 3, 12, 20, 15, 23, 19, 14, 11, 9, 4, 18}, 84},
    };
    for (const auto& c : aCases) {
        int nDraws = 0;
        EXPECT_EQ(Shuffle(c.nGridSize, 0, &nDraws), c.anNumbers) << "N=" << c.nGridSize;
        EXPECT_EQ(nDraws, c.nDraws) << "N=" << c.nGridSize;
    }
}

TEST(NumberShuffleTest, EveryShuffleIsAPermutation)
{
    std::vector<std::uint32_t> anSeeds;
    for (std::uint32_t n = 0; n < 1500; ++n)
        anSeeds.push_back(n);
    for (std::uint32_t n : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 1700000000u, 1234567890u})
        anSeeds.push_back(n);
    for (int nGridSize = 2; nGridSize <= 5; ++nGridSize) {
        const int nCount = nGridSize * nGridSize;
        for (std::uint32_t nSeed : anSeeds) {
            CNumberShuffle shuffle;
            shuffle.Begin(nGridSize, nSeed);
            std::vector<int> anSeen(nCount + 1, 0);
            for (int i = 0; i < nCount; ++i) {
                const int nNumber = shuffle.Draw();
                ASSERT_GE(nNumber, 1) << "N=" << nGridSize << " seed=" << nSeed;
                ASSERT_LE(nNumber, nCount) << "N=" << nGridSize << " seed=" << nSeed;
                ASSERT_EQ(anSeen[nNumber]++, 0) << "number " << nNumber << " twice, N=" << nGridSize
                                                << " seed=" << nSeed;
            }
            EXPECT_EQ(shuffle.GetUsedMask(), (1u << nCount) - 1) << "N=" << nGridSize << " seed=" << nSeed;
            EXPECT_GE(shuffle.GetDrawCount(), nCount);
        }
    }
}

TEST(NumberShuffleTest, OutputOf32767IsDiscarded)
{
    const std::uint32_t nSeed = SeedBefore(0x7FFF1234u);
    CRandomSource random;
    random.Seed(nSeed);
    ASSERT_EQ(random.Next(), 32767);
    const int nSecond = random.Next();
    ASSERT_LT(nSecond, 32767);

    for (int nGridSize = 2; nGridSize <= 5; ++nGridSize) {
        CNumberShuffle shuffle;
        shuffle.Begin(nGridSize, nSeed);
        EXPECT_EQ(shuffle.Draw(), CNumberShuffle::MapToIndex(nGridSize, nSecond) + 1) << "N=" << nGridSize;
        EXPECT_EQ(shuffle.GetDrawCount(), 2) << "N=" << nGridSize;
    }
}

TEST(NumberShuffleTest, BeginStartsAfresh)
{
    CNumberShuffle shuffle;
    shuffle.Begin(3, 0);
    for (int i = 0; i < 9; ++i)
        shuffle.Draw();
    shuffle.Begin(2, 0);
    EXPECT_EQ(shuffle.GetDrawCount(), 0);
    EXPECT_EQ(shuffle.GetUsedMask(), 0u);
    std::vector<int> anNumbers;
    for (int i = 0; i < 4; ++i)
        anNumbers.push_back(shuffle.Draw());
    EXPECT_EQ(anNumbers, (std::vector<int>{1, 3, 2, 4}));
    EXPECT_EQ(shuffle.GetDrawCount(), 8);

    // Every number is given: a further draw answers 0 instead of looping for ever.
    EXPECT_EQ(shuffle.Draw(), 0);
    EXPECT_EQ(shuffle.GetDrawCount(), 8);
}

}  // namespace
