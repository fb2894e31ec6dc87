// The results summary (GetResult0): recomputes the score from the log and returns the text
// or HTML summary.
#pragma once

#include <string>

#include "engine/engine_state.h"

struct ResultsSummary {
    std::string text;
    int score = 0;
};

// Builds the summary, publishes the per-band multiplier lists (engine/band_lists.h), stores
// the claimed score in memory and under the settings key "Claimed". Takes the engine lock
// itself.
ResultsSummary BuildResultsSummary();

// Orders the worked bands descending by their texts left-padded with "0" to 20
// characters, by pairwise exchanges in place (entries with equal keys keep the order these
// exchanges give them). The new order stays for later summaries.
void SortWorkedBands(StringList& bands);
