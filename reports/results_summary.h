// The results summary (GetResult0): recomputes the score from the log and returns the text
// or HTML summary.
#pragma once

#include <string>

struct ResultsSummary {
    std::string text;
    int score = 0;
};

// Builds the summary, rebuilds the per-band multiplier lists and stores the claimed score.
ResultsSummary BuildResultsSummary();
