// Without a desktop the message goes to standard error.
#include <cstdio>

#include "platform/message_box.h"

void ShowMessageBox(const std::string& text, const char* caption, MessageIcon /*icon*/) {
    if (caption != nullptr) {
        std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}
