// Text helpers every layer shares: comparison with ASCII letters folded to one case, and
// printf-style formatting into a std::string.
#pragma once

#include <string>
#include <string_view>

#if defined(__MINGW_PRINTF_FORMAT)
#define STATS_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(__MINGW_PRINTF_FORMAT, formatIndex, firstArgument)))
#elif defined(__GNUC__)
#define STATS_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define STATS_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// Byte-wise comparison with ASCII letters folded to one case; other bytes compare as they are.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The text std::snprintf would write, whole; empty when the format cannot be applied.
std::string StringPrintf(const char* format, ...) STATS_PRINTF_FORMAT(1, 2);
