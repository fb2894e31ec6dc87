// The one guard every entry point runs its body in: no exception ever reaches the host.
#pragma once

#include <cstdlib>
#include <string>

template <class R, class F>
R Guarded(R fallback, F&& body) noexcept {
    try {
        return body();
    } catch (...) {
#ifdef STATS_FUZZ_ABORT_ON_EXCEPTION
        // Under the fuzzer an exception is a fault to report, not a case to absorb.
        std::abort();
#endif
        return fallback;
    }
}

// A host text, with a null pointer read as empty text.
inline std::string HostText(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}
