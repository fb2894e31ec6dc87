// Message-pumping waits.
#include "ui/status/message_pump.h"

#include <atomic>

namespace {

// Each pumped send gets a number; the completion callback records the highest one handled.
// A number rather than a pointer, so a callback that arrives after its wait gave up touches
// nothing that has gone.
std::atomic<ULONG_PTR> g_lastSendNumber{0};
std::atomic<ULONG_PTR> g_lastHandledSend{0};

VOID CALLBACK SendHandled(HWND, UINT, ULONG_PTR number, LRESULT) {
    ULONG_PTR seen = g_lastHandledSend.load();
    while (seen < number && !g_lastHandledSend.compare_exchange_weak(seen, number)) {
    }
}

}  // namespace

DWORD Deadline::Remaining() const {
    const ULONGLONG now = GetTickCount64();
    return now >= m_end ? 0 : static_cast<DWORD>(m_end - now);
}

bool PumpMessagesUntil(const std::function<bool()>& done, const Deadline& deadline) {
    bool quit = false;
    WPARAM quitCode = 0;
    bool result = false;
    for (;;) {
        if (done()) {
            result = true;
            break;
        }
        const DWORD remaining = deadline.Remaining();
        if (remaining == 0) {
            break;
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, remaining < 10 ? remaining : 10, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = message.wParam;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (quit) {
        PostQuitMessage(static_cast<int>(quitCode));
    }
    return result;
}

bool SendMessagePumping(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        const Deadline& deadline) {
    const ULONG_PTR number = ++g_lastSendNumber;
    if (!SendMessageCallbackW(window, message, wParam, lParam, SendHandled, number)) {
        return false;
    }
    return PumpMessagesUntil(
        [&] { return g_lastHandledSend.load() >= number || !IsWindow(window); }, deadline);
}
