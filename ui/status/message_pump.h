// Bounded waits that keep the calling thread's messages flowing, so that a thread waiting for
// the status thread still serves the calls that the status thread makes into it (COM calls
// on the host's apartment, sent messages).
#pragma once

#include <windows.h>

#include <functional>

// A point in time given as a GetTickCount64 value.
class Deadline {
  public:
    explicit Deadline(DWORD milliseconds) : m_end(GetTickCount64() + milliseconds) {}
    DWORD Remaining() const;

  private:
    ULONGLONG m_end;
};

// Dispatches the calling thread's messages until done() holds (true) or the deadline passes
// (false). done() is looked at least every 10 ms.
bool PumpMessagesUntil(const std::function<bool()>& done, const Deadline& deadline);
// Sends the message to a window of another thread and waits, pumping, until it has been
// handled, the window has gone or the deadline passes. True when it was handled.
bool SendMessagePumping(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        const Deadline& deadline);
