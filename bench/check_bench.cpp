// The organizer's cross-check on a simulated contest of 2 000 logs and about 80 000 QSOs: the
// matching alone, and the whole of sarnet-check (reading every file, matching, scoring each
// log twice through the plug-in, writing every result file).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/check/check_run.h"
#include "host/check/cross_check.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "tests/check/contest_simulator.h"

namespace {

namespace fs = std::filesystem;

// 2 500 stations on the air, 2 000 of them send a log.
const SimulatedContest& Contest() {
    static const SimulatedContest contest = [] {
        SimulationSettings settings;
        settings.seed = 1;
        settings.stations = 2500;
        settings.qsosPerStation = 39;
        settings.oneOffStations = 250;
        return SimulateContest(settings);
    }();
    return contest;
}

void CrossCheckOnly(benchmark::State& state) {
    std::vector<StationLog> logs;
    std::size_t qsos = 0;
    for (const SimulatedLog& file : Contest().logs) {
        LogReadResult read = ParseLog(file.text, file.fileName);
        TidyLog(&read.qsos, "");
        qsos += read.qsos.size();
        StationLog log;
        log.call = file.call;
        log.file = file.fileName;
        log.qsos = std::move(read.qsos);
        logs.push_back(std::move(log));
    }
    CheckSettings settings;
    settings.startDays = Contest().startDays;
    settings.endDays = Contest().endDays;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CrossCheck(logs, settings));
    }
    state.counters["logs"] = static_cast<double>(logs.size());
    state.counters["qsos"] = static_cast<double>(qsos);
}
BENCHMARK(CrossCheckOnly)->Unit(benchmark::kMillisecond);

void CheckEndToEnd(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "sarnet-check-bench";
    fs::remove_all(folder);
    fs::create_directories(folder / "logs");
    for (const SimulatedLog& log : Contest().logs) {
        std::ofstream(folder / "logs" / log.fileName, std::ios::binary) << log.text;
    }
    CheckOptions options;
    options.inputs = {(folder / "logs").string()};
    options.startDays = Contest().startDays;
    options.endDays = Contest().endDays;
    options.outDir = (folder / "out").string();
    options.pluginPath = STATS_PLUGIN_PATH;
    options.ctyPath = STATS_CTY_PATH;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (RunCheck(options, out, err) != kExitChecked) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    state.counters["logs"] = static_cast<double>(Contest().logs.size());
    state.counters["qsos"] = static_cast<double>(Contest().truth.size());
    fs::remove_all(folder);
}
BENCHMARK(CheckEndToEnd)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
