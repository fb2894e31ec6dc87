// Bounded waits of the host's thread for the status thread. While they wait they serve only
// what the status thread may need of the host's thread: messages sent to its windows and, in
// a single-threaded apartment, COM's calls on the host's objects. Posted messages, timers and
// input stay queued, so no handler of the host runs, and no entry point is entered again,
// while an entry point waits.
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

// Waits until done() holds (true) or the deadline passes (false), serving sent messages and
// COM's calls meanwhile. done() is looked at least every 10 ms.
bool WaitServingCalls(const std::function<bool()>& done, const Deadline& deadline);
