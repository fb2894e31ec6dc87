// Live display state, alive from module load to unload.
#include "ui/status/portable/live_display_state.h"

std::string g_currentCall;
int g_currentBand = 0;
double g_lastFrequency = 0.0;
