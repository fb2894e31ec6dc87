// The calling-convention check of the 32-bit build: every entry point called with its full
// parameter list, round after round, must leave the caller's stack pointer where it was (the
// caller cleans the stack, as the logging program expects of a C-convention plug-in).
#pragma once

#include <string>

#include "host/common/plugin_loader.h"

// Runs the rounds (a contest start, a call check, an exchange check, a QSO logged and removed,
// the results) and says in one line what it found; false when the stack pointer moved. On
// x86_64, which has one calling convention, the calls run and the stack is not compared.
bool CallsKeepTheStackPointer(const StatsEntryPoints& plugin, int rounds, std::string* report);
