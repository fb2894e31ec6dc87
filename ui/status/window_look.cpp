// Shared look and position handling of the status subsystem's windows.
#include "ui/status/window_look.h"

#include "platform/settings.h"
#include "platform/win32/module_instance.h"
#include "resources/resource.h"

std::atomic<int> g_onTop{0};
int g_lastWindowX = 0;
int g_lastWindowY = 0;

void PlaceWindowFromSettings(HWND window, const char* xKey, const char* yKey) {
    g_lastWindowX = ReadSettingNumber(xKey);
    g_lastWindowY = ReadSettingNumber(yKey);
    if (g_lastWindowX == 0) {
        g_lastWindowX = 10;
    }
    if (g_lastWindowY == 0) {
        g_lastWindowY = 400;
    }
    SetWindowPos(window, nullptr, g_lastWindowX, g_lastWindowY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SaveWindowPosition(HWND window, const char* xKey, const char* yKey) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return;
    }
    if (rect.left != g_lastWindowX) {
        g_lastWindowX = rect.left;
        WriteSettingNumber(xKey, g_lastWindowX);
    }
    if (rect.top != g_lastWindowY) {
        g_lastWindowY = rect.top;
        WriteSettingNumber(yKey, g_lastWindowY);
    }
}

void MakeTopmost(HWND window) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ApplyWindowChrome(HWND window) {
    const HICON icon = LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(IDI_STATS));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    if (HMENU menu = GetSystemMenu(window, FALSE)) {
        EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
}

INT_PTR ColourControl(HDC dc, HBRUSH brush) {
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, kTextBackground);
    return reinterpret_cast<INT_PTR>(brush);
}
