#include "game/RandomSource.h"

void CRandomSource::Seed(std::uint32_t nValue)
{
    m_nState = nValue;
}

int CRandomSource::Next()
{
    // Unsigned arithmetic wraps modulo 2^32 by definition.
    m_nState = m_nState * 214013u + 2531011u;
    return static_cast<int>((m_nState >> 16) & 0x7FFFu);
}

std::uint32_t CRandomSource::GetState() const
{
    return m_nState;
}
