// The county grid window: placement, look and the worked marks.
#include "ui/status/county_window.h"

#include <algorithm>

#include "resources/resource.h"
#include "ui/status/window_look.h"

namespace {

// Carries a reset from the host's thread to the window's own thread.
constexpr UINT kResetMarksMessage = WM_APP + 40;

}  // namespace

YO_County::YO_County() : Dialog(IDD_YO_COUNTY) {}

bool YO_County::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    return true;
}

void YO_County::MarkWorkedCounties(const std::vector<std::string>& counties) {
    for (const std::string& county : counties) {
        if (std::find(m_worked.begin(), m_worked.end(), county) == m_worked.end()) {
            m_worked.push_back(county);
        }
    }
}

void YO_County::ResetCountyMarks() {
    if (const HWND window = hwnd()) {
        PostMessageW(window, kResetMarksMessage, 0, 0);
    }
}

void YO_County::UpdateControls() {
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void YO_County::ClearMarks() {
    m_worked.clear();
    UpdateControls();
}

BOOL YO_County::OnInitDialog() {
    PlaceWindowFromSettings(hwnd(), "yo_x", "yo_y");
    if (g_onTop != 0) {
        MakeTopmost(hwnd());
    }
    m_brush.reset(CreateSolidBrush(kWindowBackground));
    ApplyWindowChrome(hwnd());
    return TRUE;
}

INT_PTR YO_County::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    switch (message) {
        case kResetMarksMessage:
            ClearMarks();
            handled = true;
            return 0;
        case WM_SETCURSOR:
            SaveWindowPosition(hwnd(), "yo_x", "yo_y");
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
