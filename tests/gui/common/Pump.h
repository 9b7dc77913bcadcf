// Running the message queue from a test.
#pragma once
#include <windows.h>
#include <functional>

namespace guitest {

// Dispatches every message already queued (and what they post meanwhile), then returns.
void PumpPendingMessages();

// Dispatches messages until bDone() is true; false when nTimeoutMs passed first (a guard, not a measurement).
bool PumpUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs = 10000);

// Dispatches messages for nMs milliseconds (for screenshots and hover delays; never for assertions).
void PumpFor(DWORD nMs);

} // namespace guitest
