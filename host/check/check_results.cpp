// The order of the results table.
#include "host/check/check_results.h"

#include <algorithm>

void SortByFinalScore(CheckResults* results) {
    std::stable_sort(results->stations.begin(), results->stations.end(),
                     [&](const StationResult& a, const StationResult& b) {
                         if (a.finalScore != b.finalScore) {
                             return a.finalScore > b.finalScore;
                         }
                         return results->logs[a.log].call < results->logs[b.log].call;
                     });
}

std::size_t TotalQsos(const CheckResults& results) {
    std::size_t qsos = 0;
    for (const StationLog& log : results.logs) {
        qsos += log.qsos.size();
    }
    return qsos;
}
