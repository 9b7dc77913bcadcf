#pragma once

// Real-time milliseconds since the process started (steady clock), as a 32-bit signed count.
int ClockMilliseconds();
