// A thread of the test's own that runs a message loop, as the status thread does, and runs
// closures there; every wait on it is bounded.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

#include "platform/win32/unique_handle.h"

class UiThread {
  public:
    UiThread() {
        std::promise<DWORD> started;
        auto id = started.get_future();
        m_thread = std::thread([this, &started] { Loop(started); });
        m_id = id.get();
    }
    ~UiThread() {
        PostThreadMessageW(m_id, WM_QUIT, 0, 0);
        m_thread.join();
    }
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    DWORD id() const { return m_id; }

    // Queues the closure behind everything already posted to the thread; does not wait.
    std::shared_future<void> Post(std::function<void()> task) {
        auto job = std::make_unique<Job>();
        job->task = std::move(task);
        std::shared_future<void> done = job->done.get_future().share();
        if (PostThreadMessageW(m_id, kRunMessage, 0, reinterpret_cast<LPARAM>(job.get()))) {
            job.release();
        }
        return done;
    }

    // Runs the closure there and waits for it, at most ten seconds (the test program ends
    // rather than hang).
    template <class F>
    auto Run(F&& f) -> decltype(f()) {
        using Result = decltype(f());
        if constexpr (std::is_void_v<Result>) {
            Wait(Post(std::forward<F>(f)));
        } else {
            Result result{};
            Wait(Post([&] { result = f(); }));
            return result;
        }
    }

  private:
    static constexpr UINT kRunMessage = WM_APP + 900;
    struct Job {
        std::function<void()> task;
        std::promise<void> done;
    };

    static void Wait(const std::shared_future<void>& done) {
        if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            std::abort();
        }
    }

    void Loop(std::promise<DWORD>& started) {
        MSG message{};
        PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
        started.set_value(GetCurrentThreadId());
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (message.hwnd == nullptr && message.message == kRunMessage) {
                std::unique_ptr<Job> job(reinterpret_cast<Job*>(message.lParam));
                job->task();
                job->done.set_value();
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    std::thread m_thread;
    DWORD m_id = 0;
};

// Paints everything pending in the window and its children now.
inline void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The colour on screen at a point of a window's client area.
inline COLORREF PixelAt(HWND window, int x, int y) {
    return GetPixel(WindowDc(window).get(), x, y);
}

// The centre of a dialog control, in the control's client coordinates.
inline POINT CentreOf(HWND control) {
    RECT rect{};
    GetClientRect(control, &rect);
    return POINT{rect.right / 2, rect.bottom / 2};
}
