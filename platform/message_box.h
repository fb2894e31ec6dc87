// Messages to the operator: a message box on Windows, standard error elsewhere.
#pragma once

#include <string>

enum class MessageIcon { kNone, kInformation };

// Shows the text and returns when the operator has dismissed it. A null caption gives the
// system's default caption. Owned by the host's main window when there is one.
void ShowMessageBox(const std::string& text, const char* caption, MessageIcon icon);
