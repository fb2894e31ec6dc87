// The replacement host's message loop.
#include "host/ravo/host_messages.h"

bool PumpHostMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) {
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            return false;
        }
        const ULONGLONG left = end - now;
        MsgWaitForMultipleObjectsEx(0, nullptr, left < 5 ? static_cast<DWORD>(left) : 5,
                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void PumpHostMessages(DWORD milliseconds) {
    PumpHostMessagesUntil([] { return false; }, milliseconds);
}
