// DXCC multiplier window.
#include "ui/status/multiplier_window.h"

#include <algorithm>

#include "resources/resource.h"
#include "ui/controls/modeless_keyboard.h"
#include "ui/controls/subclassed_control.h"
#include "ui/status/window_look.h"

namespace {

constexpr const char* kXKey = "dxcc_x";
constexpr const char* kYKey = "dxcc_y";

}  // namespace

Multiplier::Multiplier() : Dialog(IDD_MULTIPLIER) {}

Multiplier::~Multiplier() {
    if (hwnd() != nullptr) {
        UnregisterModelessDialog(hwnd());
    }
}

bool Multiplier::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

void Multiplier::RepaintInfo() {
    if (const HWND button = Item(IDC_MULTIPLIER_INFO)) {
        InvalidateRect(button, nullptr, FALSE);
    }
}

BOOL Multiplier::OnInitDialog() {
    m_infoButton.SubclassDlgItem(IDC_MULTIPLIER_INFO, hwnd());
    PlaceWindowFromSettings(hwnd(), kXKey, kYKey);
    if (g_onTop.load() != 0) {
        MakeTopmost(hwnd());
    }
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    ApplyWindowChrome(hwnd());
    RegisterModelessDialog(hwnd());
    return TRUE;
}

void Multiplier::FitInfoButton(int clientWidth, int clientHeight) {
    const HWND button = Item(IDC_MULTIPLIER_INFO);
    if (button == nullptr) {
        return;
    }
    MoveWindow(button, 1, 1, std::max(clientWidth - 4, 0), std::max(clientHeight - 4, 0), FALSE);
    InvalidateRect(button, nullptr, FALSE);
}

INT_PTR Multiplier::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = false;
    switch (message) {
        case WM_SETCURSOR:
            // Recorded, then left to the default handling for the cursor shape.
            SaveWindowPosition(hwnd(), kXKey, kYKey);
            return 0;
        case WM_SIZE:
            FitInfoButton(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DRAWITEM: {
            INT_PTR result = 0;
            handled = ReflectToControl(message, wParam, lParam, result);
            return result;
        }
        case WM_CLOSE:
            // Answered at once, so a synchronous close finds the window hidden.
            OnCancel();
            handled = true;
            return 0;
        case WM_DESTROY:
            UnregisterModelessDialog(hwnd());
            return 0;
        default:
            break;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        handled = true;
        return ColourControl(reinterpret_cast<HDC>(wParam), m_brush.get());
    }
    return 0;
}
