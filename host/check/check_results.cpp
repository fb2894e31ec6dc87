// The order of the results table.
#include "host/check/check_results.h"

#include <algorithm>
#include <filesystem>

namespace {

// Places over the stations that `within` selects, in the table's order: one more than the
// number of stations with a higher score, and "=" when another shares it.
template <class Within>
void Place(std::vector<StationResult>* stations, std::string StationResult::*slot, Within within) {
    for (StationResult& station : *stations) {
        if (station.checklog) {
            continue;
        }
        int higher = 0;
        int equal = 0;
        for (const StationResult& other : *stations) {
            if (other.checklog || !within(station, other)) {
                continue;
            }
            higher += other.finalScore > station.finalScore ? 1 : 0;
            equal += other.finalScore == station.finalScore ? 1 : 0;
        }
        station.*slot = std::to_string(higher + 1) + (equal > 1 ? "=" : "");
    }
}

}  // namespace

void SortByFinalScore(CheckResults* results) {
    std::stable_sort(results->stations.begin(), results->stations.end(),
                     [&](const StationResult& a, const StationResult& b) {
                         if (a.checklog != b.checklog) {
                             return b.checklog;
                         }
                         if (a.finalScore != b.finalScore) {
                             return a.finalScore > b.finalScore;
                         }
                         return results->logs[a.log].call < results->logs[b.log].call;
                     });
    Place(&results->stations, &StationResult::place,
          [](const StationResult&, const StationResult&) { return true; });
    Place(&results->stations, &StationResult::categoryPlace,
          [](const StationResult& a, const StationResult& b) {
              return a.kind == b.kind && a.category == b.category;
          });
}

std::size_t TotalQsos(const CheckResults& results) {
    std::size_t qsos = 0;
    for (const StationLog& log : results.logs) {
        qsos += log.qsos.size();
    }
    return qsos;
}

std::string PublicFileName(const CheckResults& results, const std::string& file) {
    return PublicText(results, file);
}

std::string PublicText(const CheckResults& results, std::string text) {
    std::vector<std::string> prefixes;
    for (const std::string& input : results.inputs) {
        const std::filesystem::path path(input);
        prefixes.push_back((std::filesystem::is_directory(path) ? path : path.parent_path())
                               .lexically_normal()
                               .string());
    }
    for (const std::string& file : {results.pluginPath, results.ctyPath}) {
        prefixes.push_back(std::filesystem::path(file).parent_path().string());
    }
    std::sort(prefixes.begin(), prefixes.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (std::string prefix : prefixes) {
        while (!prefix.empty() && (prefix.back() == '/' || prefix.back() == '\\')) {
            prefix.pop_back();
        }
        if (prefix.empty() || prefix == ".") {
            continue;
        }
        for (const char separator : {'/', '\\'}) {
            const std::string whole = prefix + separator;
            for (std::size_t at = text.find(whole); at != std::string::npos;
                 at = text.find(whole, at)) {
                text.erase(at, whole.size());
            }
        }
    }
    return text;
}
