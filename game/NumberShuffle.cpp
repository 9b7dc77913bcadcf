#include "game/NumberShuffle.h"

void CNumberShuffle::Begin(int nGridSize, std::uint32_t nSeed)
{
    m_nGridSize = nGridSize;
    m_nUsedMask = 0;
    m_nDrawCount = 0;
    m_random.Seed(nSeed);
}

int CNumberShuffle::MapToIndex(int nGridSize, int nRandom)
{
    return (nGridSize * nRandom * nGridSize) / 32767;
}

int CNumberShuffle::Draw()
{
    const int nCount = m_nGridSize * m_nGridSize;
    if (nCount <= 0 || nCount > 32)
        return 0;
    if ((m_nUsedMask | ((nCount < 32) ? (~0u << nCount) : 0u)) == ~0u)
        return 0;   // every number given already: drawing again would never end
    for (;;) {
        const int nIndex = MapToIndex(m_nGridSize, m_random.Next());
        ++m_nDrawCount;
        if (nIndex >= nCount)
            continue;
        const std::uint32_t nBit = 1u << nIndex;
        if (m_nUsedMask & nBit)
            continue;
        m_nUsedMask |= nBit;
        return nIndex + 1;
    }
}

int CNumberShuffle::GetDrawCount() const
{
    return m_nDrawCount;
}

std::uint32_t CNumberShuffle::GetUsedMask() const
{
    return m_nUsedMask;
}
