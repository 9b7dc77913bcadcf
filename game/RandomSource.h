#pragma once

#include <cstdint>

// The game's own linear congruential generator; the C library's rand differs between run times.
class CRandomSource {
public:
    void Seed(std::uint32_t nValue);
    int Next();                       // 0..32767
    std::uint32_t GetState() const;

private:
    std::uint32_t m_nState = 1;
};
