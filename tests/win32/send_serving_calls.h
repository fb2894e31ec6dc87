// A test's way to make another thread's window handle a message while the test's thread keeps
// serving the calls that handling needs: SendMessageCallback and a bounded wait. The plug-in
// itself never registers such a completion routine (its stop posts and waits for state).
#pragma once

#include <windows.h>

#include <atomic>

#include "ui/status/message_pump.h"

namespace send_serving_calls {

// Each send gets a number; the completion callback records the highest one handled.
inline std::atomic<ULONG_PTR> g_lastSendNumber{0};
inline std::atomic<ULONG_PTR> g_lastHandledSend{0};

inline VOID CALLBACK SendHandled(HWND, UINT, ULONG_PTR number, LRESULT) {
    ULONG_PTR seen = g_lastHandledSend.load();
    while (seen < number && !g_lastHandledSend.compare_exchange_weak(seen, number)) {
    }
}

}  // namespace send_serving_calls

// True when the window handled the message before the deadline.
inline bool SendMessageServingCalls(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    const Deadline& deadline) {
    using namespace send_serving_calls;
    const ULONG_PTR number = ++g_lastSendNumber;
    if (!SendMessageCallbackW(window, message, wParam, lParam, SendHandled, number)) {
        return false;
    }
    return WaitServingCalls([&] { return g_lastHandledSend.load() >= number || !IsWindow(window); },
                            deadline);
}
