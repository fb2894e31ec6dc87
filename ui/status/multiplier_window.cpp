// The DXCC multiplier window: placement, look and the repaint request of its drawing surface.
#include "ui/status/multiplier_window.h"

#include "resources/resource.h"
#include "ui/status/window_look.h"

Multiplier::Multiplier() : Dialog(IDD_MULTIPLIER) {}

bool Multiplier::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

void Multiplier::RepaintInfo() {
    if (const HWND info = Item(IDC_MULTIPLIER_INFO)) {
        InvalidateRect(info, nullptr, FALSE);
    }
}

BOOL Multiplier::OnInitDialog() {
    PlaceWindowFromSettings(hwnd(), "dxcc_x", "dxcc_y");
    if (g_onTop != 0) {
        MakeTopmost(hwnd());
    }
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    ApplyWindowChrome(hwnd());
    return TRUE;
}

INT_PTR Multiplier::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    switch (message) {
        case WM_SETCURSOR:
            SaveWindowPosition(hwnd(), "dxcc_x", "dxcc_y");
            break;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            handled = true;
            return ColourControl(reinterpret_cast<HDC>(wParam), m_brush.get());
        default:
            break;
    }
    handled = false;
    return 0;
}
