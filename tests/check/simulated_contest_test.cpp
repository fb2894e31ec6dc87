// The cross-check on whole simulated contests it has never seen: every verdict compared
// with the simulator's truth, every injected clock offset found.
#include <gtest/gtest.h>

#include <map>

#include "host/check/cross_check.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "tests/check/contest_simulator.h"

namespace {

std::vector<StationLog> ReadLogs(const SimulatedContest& contest) {
    std::vector<StationLog> logs;
    for (const SimulatedLog& file : contest.logs) {
        LogReadResult read = ParseLog(file.text, file.fileName);
        EXPECT_FALSE(read.errors.Any()) << read.errors.listed.front().Format();
        StationLog log;
        log.call = file.call;
        log.file = file.fileName;
        TidyLog(&read.qsos, "");
        log.qsos = std::move(read.qsos);
        logs.push_back(std::move(log));
    }
    return logs;
}

}  // namespace

TEST(SimulatedContest, VerdictsAndClockOffsetsMatchTheTruth) {
    for (const std::uint32_t seed : {11u, 12u, 13u}) {
        SimulationSettings settings;
        settings.seed = seed;
        const SimulatedContest contest = SimulateContest(settings);
        const std::vector<StationLog> logs = ReadLogs(contest);
        CheckSettings check;
        check.startDays = contest.startDays;
        check.endDays = contest.endDays;
        const std::vector<StationFindings> findings = CrossCheck(logs, check);

        std::map<std::pair<std::string, std::size_t>, QsoFinding> byLine;
        for (std::size_t l = 0; l < logs.size(); ++l) {
            EXPECT_EQ(findings[l].clockOffsetMinutes, contest.logs[l].clockOffsetMinutes)
                << logs[l].call << " seed " << seed;
            for (std::size_t q = 0; q < logs[l].qsos.size(); ++q) {
                byLine[{logs[l].call, logs[l].qsos[q].recordNumber}] = findings[l].qsos[q];
            }
        }
        std::size_t right = 0;
        std::map<std::string, int> wrongByKind;
        for (const TruthRow& row : contest.truth) {
            const QsoFinding& found = byLine.at({row.log, row.line});
            const bool same = found.status == row.status && (row.status != QsoStatus::BustedCall ||
                                                             found.detail == row.rightCall);
            right += same ? 1 : 0;
            if (!same) {
                ++wrongByKind[std::string(StatusName(row.status)) + "->" +
                              StatusName(found.status)];
                ADD_FAILURE() << row.log << " line " << row.line << ": " << StatusName(row.status)
                              << " expected, " << StatusName(found.status) << " " << found.detail;
            }
        }
        std::printf("seed %u: %zu of %zu right\n", seed, right, contest.truth.size());
        EXPECT_GE(right * 100, contest.truth.size() * 99);
    }
}
