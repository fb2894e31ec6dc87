// Dialog base implementation.
#include "platform/win32/dialog.h"

#include <vector>

#include "platform/win32/module_instance.h"
#include "platform/win32/subclassed_control.h"
#include "platform/win32/text_encoding.h"

Dialog::~Dialog() {
    if (m_hwnd != nullptr && !m_modal) {
        // A modeless window may only be destroyed by its own thread; the owner destroys the
        // object there. Detach first so no message reaches a half-destroyed object.
        SetWindowLongPtrW(m_hwnd, DWLP_USER, 0);
        DestroyWindow(m_hwnd);
    }
}

INT_PTR Dialog::DoModal(HWND parent) {
    m_modal = true;
    return DialogBoxParamW(ModuleInstance(), TemplateResource(), parent, StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    return CreateDialogParamW(ModuleInstance(), TemplateResource(), parent, StaticProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

LPCWSTR Dialog::TemplateResource() const {
    return m_templateName.empty() ? MAKEINTRESOURCEW(m_templateId) : m_templateName.c_str();
}

std::string Dialog::ItemText(int id) const {
    const HWND item = Item(id);
    const int length = GetWindowTextLengthA(item);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void Dialog::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(m_hwnd, id, text.c_str());
}

void Dialog::SetCaptionUtf8(const std::string& utf8) {
    SetWindowTextW(m_hwnd, Utf8ToWide(utf8).c_str());
}

void Dialog::SetItemTextUtf8(int id, const std::string& utf8) {
    SetDlgItemTextW(m_hwnd, id, Utf8ToWide(utf8).c_str());
}

void Dialog::OnOK() {
    if (m_modal) {
        EndDialog(m_hwnd, IDOK);
    }
}

void Dialog::OnCancel() {
    if (m_modal) {
        EndDialog(m_hwnd, IDCANCEL);
    } else {
        ShowWindow(m_hwnd, SW_HIDE);
    }
}

INT_PTR Dialog::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

INT_PTR CALLBACK Dialog::StaticProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept {
    try {
        Dialog* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<Dialog*>(lParam);
            self->m_hwnd = window;
            SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
        }
        if (self == nullptr) {
            return FALSE;
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, DWLP_USER, 0);
            self->m_hwnd = nullptr;
            return FALSE;
        }
        return self->Proc(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::Proc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog();
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    bool handled = false;
    INT_PTR result = OnMessage(message, wParam, lParam, handled);
    if (handled) {
        return result;
    }
    // A control taken over by the kit paints and colours itself, whatever dialog holds it.
    return ReflectToControl(message, wParam, lParam, result) ? result : FALSE;
}
