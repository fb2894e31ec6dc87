// The three window pointers of the status subsystem and the grid windows' open and close.
// The status thread creates, closes and destroys the windows; other threads only read the
// pointers, and reach a grid object only under g_gridWindowMutex.
#pragma once

#include <atomic>
#include <mutex>

class Setup_Sarnet;
class Multiplier;
class YO_County;

extern std::atomic<Setup_Sarnet*> g_statusWindow;
extern std::atomic<Multiplier*> g_dxccWindow;
extern std::atomic<YO_County*> g_countyWindow;
// Held while a grid pointer is cleared (status thread) and while another thread calls into
// the object it points to; never held across a wait for another thread.
extern std::mutex g_gridWindowMutex;

// Create and show a grid window (status thread; only while its pointer is null).
void OpenDxccWindow();
void OpenCountyWindow();
// Send the grid window the close message, forget and destroy it (status thread).
void CloseDxccWindow();
void CloseCountyWindow();
