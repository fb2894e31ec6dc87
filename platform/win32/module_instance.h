// The module that holds the plug-in's code and resources (Stats.dll, or a test program
// that links the same code).
#pragma once

#include <windows.h>

HINSTANCE ModuleInstance();
