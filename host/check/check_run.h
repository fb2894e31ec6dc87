// A whole check as the command line asks for it: read the country file, load the plug-in,
// gather the logs, cross-check them, score each through the plug-in, write the results.
#pragma once

#include <ostream>

#include "host/check/check_options.h"

constexpr int kExitChecked = 0;
constexpr int kExitUsage = 1;
constexpr int kExitLogsLeftOut = 2;
constexpr int kExitCannotRun = 3;

// Notes and errors go to `err`, one line each; the closing summary to `out`.
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err);
