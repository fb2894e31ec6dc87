// The command-line scorer on a 100 000-QSO ADIF log: reading, country lookups, and the whole
// run through the plug-in's entry points (what sarnet-score does between start and exit),
// without and with the report page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "host/common/cty_database.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/plugin_feed.h"
#include "host/common/plugin_loader.h"
#include "host/common/summary_reader.h"
#include "host/score/output_files.h"
#include "host/score/rejected_report.h"
#include "host/score/report_page.h"
#include "host/score/worked_tally.h"

namespace {

constexpr int kQsos = 100000;

std::string Field(const char* name, const std::string& value) {
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value;
}

// A day-long log, one QSO every 0.86 s, calls from a few hundred thousand possibilities.
const std::string& BigLog() {
    static const std::string log = [] {
        static const char* kPrefixes[] = {"YO3", "YO5", "YO9", "DL1", "OE2", "HA5", "LZ1",
                                          "UR5", "SP9", "OK1", "S51", "9A2", "I2",  "F5"};
        std::mt19937 random(7);
        std::string text = "benchmark log <EOH>\n";
        for (int i = 0; i < kQsos; ++i) {
            std::string call = kPrefixes[random() % 14];
            for (int k = 0; k < 3; ++k) {
                call += static_cast<char>('A' + random() % 26);
            }
            const int second = i * 864 / 1000;
            char time[16];
            std::snprintf(time, sizeof time, "%02d%02d%02d", second / 3600, second / 60 % 60,
                          second % 60);
            const bool home = call.rfind("YO", 0) == 0;
            text += Field("CALL", call) + Field("QSO_DATE", "20261206") + Field("TIME_ON", time) +
                    Field("BAND", "80m") + Field("FREQ", "3.58") + Field("MODE", "PSK") +
                    Field("SUBMODE", "BPSK31") + Field("RST_SENT", "599") +
                    Field("RST_RCVD", "599") + Field("STX_STRING", std::to_string(i + 1)) +
                    Field("SRX_STRING", std::to_string(i % 999) + (home ? "BV" : "")) +
                    Field("STATION_CALLSIGN", "YO8SRN") + "<EOR>\n";
        }
        return text;
    }();
    return log;
}

const CtyDatabase& Cty() {
    static const CtyDatabase cty = [] {
        CtyDatabase loaded;
        std::string error;
        LoadCtyDatabase(STATS_CTY_PATH, &loaded, &error);
        return loaded;
    }();
    return cty;
}

void ReadAndLookUp(benchmark::State& state) {
    for (auto _ : state) {
        LogReadResult log = ParseLog(BigLog(), "bench.adi");
        AssignPrefixes(Cty(), &log.qsos);
        benchmark::DoNotOptimize(log.qsos.data());
    }
    state.SetItemsProcessed(state.iterations() * kQsos);
}
BENCHMARK(ReadAndLookUp)->Unit(benchmark::kMillisecond);

void CountryFileLoad(benchmark::State& state) {
    std::string bytes;
    std::string error;
    ReadWholeFile(STATS_CTY_PATH, kLargestInputFile, &bytes, &error);
    for (auto _ : state) {
        std::optional<InputError> parseError;
        benchmark::DoNotOptimize(CtyDatabase::Parse(bytes, STATS_CTY_PATH, &parseError));
    }
}
BENCHMARK(CountryFileLoad)->Unit(benchmark::kMillisecond);

bool LoadPlugin(benchmark::State& state, StatsPlugin* plugin) {
    std::string error;
    if (!plugin->Load(STATS_PLUGIN_PATH, &error)) {
        state.SkipWithError(error.c_str());
        return false;
    }
    return true;
}

RunStart Start() {
    RunStart start;
    start.hostDirectory = "./";
    start.ownCall = "YO8SRN";
    start.contestDays = 46362.0;
    return start;
}

LogReadResult ReadLog() {
    LogReadResult log = ParseLog(BigLog(), "bench.adi");
    AssignPrefixes(Cty(), &log.qsos);
    NormaliseLog(&log.qsos, "");
    return log;
}

// The whole run: read, look up, tidy, ResetStats0, 100 000 AddData0 calls, GetResult0.
void ScoreEndToEnd(benchmark::State& state) {
    StatsPlugin plugin;
    if (!LoadPlugin(state, &plugin)) {
        return;
    }
    for (auto _ : state) {
        const LogReadResult log = ReadLog();
        benchmark::DoNotOptimize(RunScoring(plugin, log.qsos, Start()).summary);
    }
    state.SetItemsProcessed(state.iterations() * kQsos);
}
BENCHMARK(ScoreEndToEnd)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same run with --report: the rejected-QSO report read back and matched to the QSOs,
// the tallies per hour, county and prefix, and the page. The page is meant to cost at most
// 1.3 times ScoreEndToEnd.
void ScoreEndToEndWithReport(benchmark::State& state) {
    StatsPlugin plugin;
    if (!LoadPlugin(state, &plugin)) {
        return;
    }
    for (auto _ : state) {
        const LogReadResult log = ReadLog();
        const ScoreRunResult result = RunScoring(plugin, log.qsos, Start());
        std::string bytes;
        std::string error;
        ReadWholeFile(RejectedReportName(46362.0), kLargestInputFile, &bytes, &error);
        ReportPageInput page;
        page.summary = ReadSummary(result.summary).value_or(SummaryFigures{});
        page.rejected = ReadRejectedReport(bytes);
        const std::vector<bool> rejected = MatchRejected(log.qsos, page.rejected);
        page.worked = TallyWorked(log.qsos, rejected);
        page.rates = TallyRates(log.qsos, rejected);
        page.ratesAgree = AgreesWith(page.rates, page.summary.total);
        if (!page.ratesAgree) {
            state.SkipWithError("the rate tally does not match the plug-in's summary");
            return;
        }
        page.countyCodes = CountyCodes(plugin);
        benchmark::DoNotOptimize(BuildReportPage(page));
    }
    state.SetItemsProcessed(state.iterations() * kQsos);
}
BENCHMARK(ScoreEndToEndWithReport)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
