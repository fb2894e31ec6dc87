// Waits that serve sent messages and COM's calls only.
#include "ui/status/message_pump.h"

#include <objbase.h>

#include "platform/win32/unique_handle.h"

namespace {

constexpr DWORD kLookMs = 10;

bool InSingleThreadedApartment() {
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    return SUCCEEDED(CoGetApartmentType(&type, &qualifier)) &&
           (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

// Waits up to the given time. In a single-threaded apartment COM's own wait serves the calls
// made on this thread's objects (they arrive as messages to COM's window) and sent messages,
// and dispatches nothing else; elsewhere only sent messages are served.
void ServeCallsFor(DWORD milliseconds, bool apartment, HANDLE never) {
    if (apartment) {
        DWORD index = 0;
        CoWaitForMultipleHandles(0, milliseconds, 1, &never, &index);
        return;
    }
    MsgWaitForMultipleObjectsEx(1, &never, milliseconds, QS_SENDMESSAGE, 0);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

DWORD Deadline::Remaining() const {
    const ULONGLONG now = GetTickCount64();
    return now >= m_end ? 0 : static_cast<DWORD>(m_end - now);
}

bool WaitServingCalls(const std::function<bool()>& done, const Deadline& deadline) {
    const bool apartment = InSingleThreadedApartment();
    // COM's wait needs a handle; this one is never set, the wait ends by its time.
    const UniqueKernelHandle never(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    for (;;) {
        if (done()) {
            return true;
        }
        const DWORD remaining = deadline.Remaining();
        if (remaining == 0 || !never) {
            return false;
        }
        ServeCallsFor(remaining < kLookMs ? remaining : kLookMs, apartment, never.get());
    }
}
