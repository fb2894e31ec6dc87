// The look and settings behaviour shared by the status window and the two grid windows:
// colours, icon, greyed Close, topmost placement and the shared position pair.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

constexpr COLORREF kWindowBackground = RGB(255, 250, 198);
constexpr COLORREF kTextBackground = RGB(255, 240, 198);
constexpr COLORREF kTextColour = RGB(0, 0, 0);

// Copy of the status window's "On Top" flag for the grid windows.
extern std::atomic<int> g_onTop;
// The one position pair shared by the three windows: the top-left corner last loaded from,
// or saved to, the settings file by any of them. Status thread only.
extern int g_lastWindowX;
extern int g_lastWindowY;

// Reads the window's position keys into the shared pair (0 becomes 10 and 400) and moves the
// window's top-left corner there, keeping its size and z-order.
void PlaceWindowFromSettings(HWND window, const char* xKey, const char* yKey);
// The set-cursor behaviour: writes the window's left and top edges under its keys when they
// differ from the shared pair.
void SaveWindowPosition(HWND window, const char* xKey, const char* yKey);
// Topmost without moving, sizing or activating.
void MakeTopmost(HWND window);
// Large icon 107 and the system menu's Close command greyed out.
void ApplyWindowChrome(HWND window);
// Answers a control-colour request: black text on RGB(255, 240, 198), the window's brush.
INT_PTR ColourControl(HDC dc, HBRUSH brush);
