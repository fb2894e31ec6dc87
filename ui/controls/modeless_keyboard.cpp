// A per-thread message hook that gives modeless dialogs their dialog keys: the loop that
// retrieves the message (a modal dialog's, or a plain one) never calls IsDialogMessage for them.
//
// The registry is module state keyed by thread, not thread_local: with MinGW a thread_local
// that has a destructor registers it through __cxa_thread_atexit, which pins this module
// (a reference on the DLL, dropped only when the thread ends). The host's FreeLibrary would
// then not unload the module, its exit routine would not close the windows, and the status
// thread's end would unload the module from under its own feet. An entry lives exactly as
// long as its thread has registered dialogs, so nothing is left to clean up at thread end.
#include "ui/controls/modeless_keyboard.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct ThreadDialogs {
    DWORD thread = 0;
    HHOOK hook = nullptr;
    std::vector<HWND> dialogs;
};

// Held only to read or change the registry, never while a dialog handles a message.
std::mutex g_registryMutex;
std::vector<ThreadDialogs> g_registry;

std::vector<ThreadDialogs>::iterator FindThread(DWORD thread) {
    return std::find_if(g_registry.begin(), g_registry.end(),
                        [thread](const ThreadDialogs& entry) { return entry.thread == thread; });
}

std::vector<HWND> DialogsOfThisThread() {
    const std::lock_guard<std::mutex> lock(g_registryMutex);
    const auto entry = FindThread(GetCurrentThreadId());
    return entry == g_registry.end() ? std::vector<HWND>() : entry->dialogs;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
            try {
                // A copy: the dialog's key handling may register or unregister dialogs.
                for (HWND dialog : DialogsOfThisThread()) {
                    if ((message->hwnd == dialog || IsChild(dialog, message->hwnd)) &&
                        IsDialogMessageW(dialog, message)) {
                        // Handled here: the loop that retrieved it dispatches nothing.
                        message->message = WM_NULL;
                        break;
                    }
                }
            } catch (...) {
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void RegisterModelessDialog(HWND dialog) {
    if (dialog == nullptr) {
        return;
    }
    const DWORD thread = GetCurrentThreadId();
    const std::lock_guard<std::mutex> lock(g_registryMutex);
    auto entry = FindThread(thread);
    if (entry == g_registry.end()) {
        const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, thread);
        if (hook == nullptr) {
            return;
        }
        g_registry.push_back(ThreadDialogs{thread, hook, {}});
        entry = g_registry.end() - 1;
    }
    auto& dialogs = entry->dialogs;
    if (std::find(dialogs.begin(), dialogs.end(), dialog) == dialogs.end()) {
        dialogs.push_back(dialog);
    }
}

void UnregisterModelessDialog(HWND dialog) {
    const std::lock_guard<std::mutex> lock(g_registryMutex);
    const auto entry = FindThread(GetCurrentThreadId());
    if (entry == g_registry.end()) {
        return;
    }
    auto& dialogs = entry->dialogs;
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    if (dialogs.empty()) {
        UnhookWindowsHookEx(entry->hook);
        g_registry.erase(entry);
    }
}
