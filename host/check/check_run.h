// A whole check as the command line asks for it: read the country file, load the plug-in,
// gather the logs, cross-check them, score each through the plug-in, write the results.
#pragma once

#include <ostream>

#include "host/check/check_options.h"

constexpr int kExitChecked = 0;
constexpr int kExitUsage = 1;
// Some log left out, or a folder holding none: the others are checked.
constexpr int kExitLogsLeftOut = 2;
// The country file, the plug-in or the results folder cannot be used, or the plug-in could
// not score some log.
constexpr int kExitCannotRun = 3;

// Notes and errors go to `err`, one line each; the closing summary to `out`.
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err);
