// The host's results request (GetResult0): the results summary and, in a contest run started
// for Cabrillo output, the Cabrillo file with the operator told how it went.
#pragma once

#include "reports/results_summary.h"

// Builds the summary; in a Cabrillo run also writes the Cabrillo file and shows the outcome in
// the "Output" message box, which blocks until the operator closes it, and gives the score as
// -1. Takes the engine lock itself and holds it across no wait.
ResultsSummary ProduceResults();
