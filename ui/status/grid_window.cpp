// Shared behaviour of the two grid windows.
#include "ui/status/grid_window.h"

#include "ui/controls/modeless_keyboard.h"
#include "ui/status/window_look.h"

GridWindow::GridWindow(int templateId, const char* xKey, const char* yKey)
    : Dialog(templateId), m_xKey(xKey), m_yKey(yKey) {}

GridWindow::~GridWindow() {
    if (hwnd() != nullptr) {
        UnregisterModelessDialog(hwnd());
    }
}

bool GridWindow::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

void GridWindow::PlaceFromSettings() {
    PlaceWindowFromSettings(hwnd(), m_xKey, m_yKey);
}

void GridWindow::FinishSetup() {
    if (g_onTop.load() != 0) {
        MakeTopmost(hwnd());
    }
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    ApplyWindowChrome(hwnd());
    RegisterModelessDialog(hwnd());
}

INT_PTR GridWindow::OnGridMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

INT_PTR GridWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    const INT_PTR own = OnGridMessage(message, wParam, lParam, handled);
    if (handled) {
        return own;
    }
    switch (message) {
        case WM_SETCURSOR:
            // Recorded, then left to the default handling for the cursor shape.
            SaveWindowPosition(hwnd(), m_xKey, m_yKey);
            return 0;
        case WM_CLOSE:
            // Answered at once, so a synchronous close finds the window hidden.
            OnCancel();
            handled = true;
            return 0;
        case WM_DESTROY:
            OnGridDestroy();
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
