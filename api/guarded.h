// The one guard every entry point runs its body in: no exception ever reaches the host.
#pragma once

#include <string>

template <class R, class F>
R Guarded(R fallback, F&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

// A host text, with a null pointer read as empty text.
inline std::string HostText(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}
