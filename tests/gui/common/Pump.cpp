#include "common/Pump.h"

namespace guitest {

void PumpPendingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& bDone, DWORD nTimeoutMs)
{
    DWORD nStart = ::GetTickCount();
    for (;;) {
        PumpPendingMessages();
        if (bDone())
            return true;
        DWORD nElapsed = ::GetTickCount() - nStart;
        if (nElapsed >= nTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nTimeoutMs - nElapsed < 50 ? nTimeoutMs - nElapsed : 50,
                                    QS_ALLINPUT);
    }
}

void PumpFor(DWORD nMs)
{
    PumpUntil([] { return false; }, nMs);
}

} // namespace guitest
