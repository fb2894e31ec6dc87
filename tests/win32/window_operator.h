// The operator of the Windows tests: a second thread that finds a window of this process by its
// caption, reads and types into its controls and closes it, while the call that opened it waits
// on the test's main thread.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

constexpr auto kWindowWait = std::chrono::seconds(30);
// The static text control of a message box.
constexpr int kMessageBoxTextId = 0xFFFF;

struct WindowSearch {
    const char* caption;
    HWND found;
};

inline BOOL CALLBACK MatchCaption(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char text[256] = {};
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        GetWindowTextA(window, text, sizeof text) > 0 && std::string(text) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of this process with the caption, or null after the wait.
inline HWND WaitForWindow(const char* caption) {
    const auto deadline = std::chrono::steady_clock::now() + kWindowWait;
    while (std::chrono::steady_clock::now() < deadline) {
        WindowSearch search{caption, nullptr};
        EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

inline std::string ControlText(HWND dialog, int id) {
    const HWND item = GetDlgItem(dialog, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    const int got = GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

inline void TypeInto(HWND dialog, int id, const char* text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

inline void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The operator: waits for the window with the caption and acts on it on its own thread.
class Operator {
  public:
    Operator(const char* caption, std::function<void(HWND)> act)
        : m_thread([this, caption, act] {
              m_window = WaitForWindow(caption);
              if (m_window != nullptr) {
                  act(m_window);
              }
          }) {}
    ~Operator() { Join(); }
    // True when the window was found and handled.
    bool Join() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_window != nullptr;
    }

  private:
    HWND m_window = nullptr;
    std::thread m_thread;
};

}  // namespace
