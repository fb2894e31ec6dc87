// Engine benchmarks through the host's entry points: replaying a whole log through
// AddData0, CheckCall0 and GetResult0 on a full log, and a deletion with the QSO logged
// again, for logs of 1 000 to 100 000 QSOs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "api/stats_api.h"
#include "engine/engine_state.h"
#include "engine/rule_tables.h"

namespace {

struct BenchQso {
    std::string call;
    std::string prefix;
    std::string exchSent;
    std::string exchRcvd;
    DateTime time;
};

// A contest log: one QSO every ten seconds, a fifth of them with home stations, prefixes
// from a few hundred, and one call in fifty logged a second time.
std::vector<BenchQso> MakeLog(int count) {
    std::vector<BenchQso> log;
    log.reserve(static_cast<size_t>(count));
    const double start = 46363.75;  // 2026-12-07 18:00
    for (int i = 0; i < count; ++i) {
        BenchQso q;
        const int station = i % 50 == 49 ? i - 7 : i;
        const bool home = station % 5 == 0;
        q.prefix = home ? "YO" : "P" + std::to_string(station % 300);
        q.call = q.prefix + std::to_string(station);
        char serial[16];
        std::snprintf(serial, sizeof serial, "%03d", i + 1);
        q.exchSent = serial;
        q.exchRcvd = home ? std::string("001") +
                                kCountyCodes[static_cast<size_t>(station) % kCountyCodes.size()]
                          : std::string("0") + std::to_string(station % 1000);
        q.time = DateTime{start + i * 10.0 / 86400.0, kDateValid};
        log.push_back(q);
    }
    return log;
}

void StartContest() {
    const DateTime first{46362.0, kDateValid};
    const DateTime second{46363.0, kDateValid};
    ResetStats0("./", 0, "YO9XYZ", &first, &second, "", "", "", "", "", "", "", "", "", "BV", 0, 0,
                0, 0.0, 0.0, "", "", "");
}

void Add(const BenchQso& q) {
    const DateTime unused{0.0, kDateNull};
    AddData0("YO9XYZ", q.call.c_str(), &q.time, &unused, &unused, &unused, 0u, 3580000u, "BPSK31",
             "599", "599", q.exchSent.c_str(), q.exchRcvd.c_str(), "", "", "", "", "", "", "", "",
             "", q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "80m", "");
}

void LoadLog(const std::vector<BenchQso>& log) {
    StartContest();
    for (const BenchQso& q : log) {
        Add(q);
    }
}

void BM_ReplayLog(benchmark::State& state) {
    const std::vector<BenchQso> log = MakeLog(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        StartContest();
        state.ResumeTiming();
        for (const BenchQso& q : log) {
            Add(q);
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CheckCall(benchmark::State& state) {
    const std::vector<BenchQso> log = MakeLog(static_cast<int>(state.range(0)));
    LoadLog(log);
    // Calls typed by the operator: some logged already, some new.
    std::vector<std::string> calls;
    for (int i = 0; i < 64; ++i) {
        calls.push_back(i % 2 == 0 ? log[static_cast<size_t>(i) * log.size() / 64].call
                                   : "N" + std::to_string(i));
    }
    size_t next = 0;
    for (auto _ : state) {
        const std::string& call = calls[next++ % calls.size()];
        benchmark::DoNotOptimize(CheckCall0(call.c_str(), 0u, 0u, "BPSK31", "", "", "", "", "", "",
                                            "", "", "", "P7", 0, 0, 0, 0.0, 0.0, "", "", "", "", "",
                                            "80m", "80m", nullptr, nullptr));
    }
}

// An edit in the host: the QSO in the middle of the log is deleted and logged again.
void BM_RemoveAndAddAgain(benchmark::State& state) {
    const std::vector<BenchQso> log = MakeLog(static_cast<int>(state.range(0)));
    LoadLog(log);
    const BenchQso& q = log[log.size() / 2];
    const DateTime unused{0.0, kDateNull};
    for (auto _ : state) {
        RemoveData0("YO9XYZ", q.call.c_str(), &q.time, &unused, &unused, &unused, 0u, 3580000u,
                    "BPSK31", "599", "599", q.exchSent.c_str(), q.exchRcvd.c_str(), "", "", "", "",
                    "", "", "", "", "", q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "80m", "");
        Add(q);
    }
}

void BM_GetResult(benchmark::State& state) {
    LoadLog(MakeLog(static_cast<int>(state.range(0))));
    int score = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetResult0(&score));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ReplayLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCall)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_RemoveAndAddAgain)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

// Runs in a folder of its own: the engine writes its report and settings files there.
int main(int argc, char** argv) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "sarnet-engine-bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
