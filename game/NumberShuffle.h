#pragma once

#include <cstdint>

#include "game/RandomSource.h"

// Gives the positions of one grid distinct numbers 1..N*N, one position at a time.
class CNumberShuffle {
public:
    void Begin(int nGridSize, std::uint32_t nSeed);   // clears the used mask, seeds the generator
    int Draw();                                       // next position's number, 1..N*N
    int GetDrawCount() const;                         // draws made since Begin (incl. discarded)
    std::uint32_t GetUsedMask() const;

    // Index k (number - 1) that one generator output r maps to; k == N*N means "discard".
    static int MapToIndex(int nGridSize, int nRandom);

private:
    CRandomSource m_random;
    std::uint32_t m_nUsedMask = 0;
    int m_nGridSize = 5;
    int m_nDrawCount = 0;
};
