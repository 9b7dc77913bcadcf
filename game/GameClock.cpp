#include "game/GameClock.h"

#include <chrono>
#include <cstdint>

namespace {
const std::chrono::steady_clock::time_point g_start = std::chrono::steady_clock::now();
}

int ClockMilliseconds()
{
    const auto elapsed = std::chrono::steady_clock::now() - g_start;
    const auto nMs = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    // Wraps like a 32-bit tick count; callers only take differences.
    return static_cast<int>(static_cast<std::uint32_t>(nMs));
}
