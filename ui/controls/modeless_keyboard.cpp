// A per-thread message hook that gives modeless dialogs their dialog keys: the loop that
// retrieves the message (a modal dialog's, or a plain one) never calls IsDialogMessage for them.
#include "ui/controls/modeless_keyboard.h"

#include <algorithm>
#include <vector>

namespace {

struct ThreadDialogs {
    HHOOK hook = nullptr;
    std::vector<HWND> dialogs;
};

thread_local ThreadDialogs t_dialogs;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
            for (HWND dialog : t_dialogs.dialogs) {
                if ((message->hwnd == dialog || IsChild(dialog, message->hwnd)) &&
                    IsDialogMessageW(dialog, message)) {
                    // Handled here: the loop that retrieved it dispatches nothing.
                    message->message = WM_NULL;
                    break;
                }
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
    auto& dialogs = t_dialogs.dialogs;
    if (std::find(dialogs.begin(), dialogs.end(), dialog) == dialogs.end()) {
        dialogs.push_back(dialog);
    }
    if (t_dialogs.hook == nullptr) {
        t_dialogs.hook =
            SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
    }
}

void UnregisterModelessDialog(HWND dialog) {
    auto& dialogs = t_dialogs.dialogs;
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    if (dialogs.empty() && t_dialogs.hook != nullptr) {
        UnhookWindowsHookEx(t_dialogs.hook);
        t_dialogs.hook = nullptr;
    }
}
