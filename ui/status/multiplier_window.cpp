// DXCC multiplier window.
#include "ui/status/multiplier_window.h"

#include <algorithm>

#include "resources/resource.h"

namespace {

constexpr const char* kXKey = "dxcc_x";
constexpr const char* kYKey = "dxcc_y";

}  // namespace

Multiplier::Multiplier() : GridWindow(IDD_MULTIPLIER, kXKey, kYKey) {}

void Multiplier::RepaintInfo() {
    if (const HWND button = Item(IDC_MULTIPLIER_INFO)) {
        InvalidateRect(button, nullptr, FALSE);
    }
}

BOOL Multiplier::OnInitDialog() {
    m_infoButton.SubclassDlgItem(IDC_MULTIPLIER_INFO, hwnd());
    PlaceFromSettings();
    FinishSetup();
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

INT_PTR Multiplier::OnGridMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    if (message == WM_SIZE) {
        FitInfoButton(LOWORD(lParam), HIWORD(lParam));
    }
    return 0;
}
