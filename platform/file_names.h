// File names made of outside text (the own call sign): kept a plain name in the current
// folder on every system, whatever the text holds.
#pragma once

#include <string>

// The name with every character Windows refuses in a file name (< > : " / \ | ? * and the
// control characters) made "_", so that no folder, drive or stream part remains; a name that
// Windows would take for a device (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9 before the
// first dot, in any letter case, trailing blanks ignored) gets a "_" in front.
std::string PlainFileName(const std::string& name);
