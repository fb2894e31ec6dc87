// What the live call display last found, read by the DXCC window's painter. Written and read
// on the status thread only.
#pragma once

#include <string>

extern std::string g_currentCall;
// Band slot 0 to 5 of the host's frequency at the last refresh that found a band.
extern int g_currentBand;
// The frequency (hertz) at which "<SP1>" was last handed to the host.
extern double g_lastFrequency;
