// Control take-over by window-procedure subclassing, and reflection of the parent's
// notifications back to the control.
#include "platform/win32/subclassed_control.h"

namespace {

constexpr const wchar_t* kControlProperty = L"Sarnet.SubclassedControl";

}  // namespace

SubclassedControl::~SubclassedControl() {
    Unsubclass();
}

bool SubclassedControl::SubclassDlgItem(int id, HWND parent) {
    if (parent == nullptr) {
        return false;
    }
    return SubclassWindow(GetDlgItem(parent, id));
}

bool SubclassedControl::SubclassWindow(HWND control) {
    if (control == nullptr || !IsWindow(control) || hwnd() != nullptr ||
        FromHandle(control) != nullptr) {
        return false;
    }
    m_hwnd.store(control);
    PreSubclassWindow();
    if (!SetPropW(control, kControlProperty, this)) {
        m_hwnd.store(nullptr);
        return false;
    }
    m_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    if (m_previous == nullptr) {
        RemovePropW(control, kControlProperty);
        m_hwnd.store(nullptr);
        return false;
    }
    return true;
}

void SubclassedControl::Unsubclass() {
    const HWND window = m_hwnd.exchange(nullptr);
    if (window == nullptr || !IsWindow(window)) {
        return;
    }
    if (m_previous != nullptr) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
    }
    RemovePropW(window, kControlProperty);
}

SubclassedControl* SubclassedControl::FromHandle(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    return static_cast<SubclassedControl*>(GetPropW(window, kControlProperty));
}

LRESULT SubclassedControl::OnReflectedMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT SubclassedControl::OnControlMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT CALLBACK SubclassedControl::Proc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
    SubclassedControl* self = FromHandle(window);
    if (self == nullptr || self->m_previous == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC previous = self->m_previous;
    try {
        if (message == WM_NCDESTROY) {
            // The window is going: give it back before the original procedure ends it.
            self->Unsubclass();
            return CallWindowProcW(previous, window, message, wParam, lParam);
        }
        bool handled = false;
        const LRESULT result = self->OnControlMessage(message, wParam, lParam, handled);
        if (handled) {
            return result;
        }
    } catch (...) {
        return 0;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    HWND control = nullptr;
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item == nullptr || item->CtlType == ODT_MENU) {
            return false;
        }
        control = item->hwndItem;
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        control = reinterpret_cast<HWND>(lParam);
    } else {
        return false;
    }
    SubclassedControl* target = SubclassedControl::FromHandle(control);
    if (target == nullptr) {
        return false;
    }
    bool handled = false;
    try {
        result = static_cast<INT_PTR>(target->OnReflectedMessage(message, wParam, lParam, handled));
    } catch (...) {
        return false;
    }
    return handled;
}
