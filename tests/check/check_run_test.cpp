// sarnet-check end to end, through the built plug-in: a simulated contest it has never seen
// (verdicts from findings.csv, final scores from results.csv, each against the truth), and
// the same contest with hostile logs added beside it, which must change no one's result.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "host/check/check_run.h"
#include "host/check/log_collection.h"
#include "host/check/station_scoring.h"
#include "host/common/cty_database.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "tests/check/contest_simulator.h"
#include "tests/check/simulated_check.h"

namespace {

namespace fs = std::filesystem;

class CheckRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("sarnet-check-test-" +
                    std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "logs");
        Write(m_folder / "cty.dat", kSimulatedCty);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    CheckOptions Options(const SimulatedContest& contest, const std::string& out) const {
        CheckOptions options;
        options.inputs = {(m_folder / "logs").string()};
        options.startText = FormatMinute(contest.startDays);
        options.endText = FormatMinute(contest.endDays);
        options.startDays = contest.startDays;
        options.endDays = contest.endDays;
        options.outDir = (m_folder / out).string();
        options.pluginPath = STATS_PLUGIN_PATH;
        options.ctyPath = (m_folder / "cty.dat").string();
        return options;
    }

    int Run(const CheckOptions& options, std::string* errors = nullptr) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunCheck(options, out, err);
        if (errors != nullptr) {
            *errors = err.str();
        }
        return status;
    }

    // Rows of a CSV file without quoted fields, by their first two columns.
    static std::map<std::string, std::vector<std::string>> Rows(const std::string& csv,
                                                                int keyColumns) {
        std::map<std::string, std::vector<std::string>> rows;
        std::istringstream lines(csv);
        std::string line;
        std::getline(lines, line);
        while (std::getline(lines, line)) {
            std::vector<std::string> fields;
            std::istringstream split(line);
            std::string field;
            while (std::getline(split, field, ',')) {
                fields.push_back(field);
            }
            std::string key = fields[0];
            for (int i = 1; i < keyColumns; ++i) {
                key += "," + fields[static_cast<std::size_t>(i)];
            }
            rows[key] = fields;
        }
        return rows;
    }

    fs::path m_folder;
};

}  // namespace

TEST_F(CheckRunTest, UnseenSimulatedContestGetsEveryVerdictAndFinalScoreRight) {
    SimulationSettings settings;
    settings.seed = 20261207;
    settings.stations = 80;
    const SimulatedContest contest = SimulateContest(settings);
    for (const SimulatedLog& log : contest.logs) {
        Write(m_folder / "logs" / log.fileName, log.text);
    }
    ASSERT_EQ(Run(Options(contest, "out")), kExitChecked);

    const auto findings = Rows(Read(m_folder / "out" / "findings.csv"), 2);
    ASSERT_EQ(findings.size(), contest.truth.size());
    std::size_t right = 0;
    // The truth's verdicts, by log: the final score is the plug-in's score of what stands.
    std::map<std::string, std::vector<bool>> keptByLog;
    for (const TruthRow& row : contest.truth) {
        const auto& found = findings.at(row.log + "," + std::to_string(row.line));
        const bool same = found[5] == StatusName(row.status) &&
                          (row.status != QsoStatus::BustedCall || found[6] == row.rightCall);
        EXPECT_TRUE(same) << row.log << " line " << row.line << ": " << StatusName(row.status)
                          << " expected, " << found[5];
        right += same ? 1 : 0;
        keptByLog[row.log].push_back(KeptForFinalScore(row.status));
    }
    EXPECT_GE(right * 100, contest.truth.size() * 99);

    const auto results = Rows(Read(m_folder / "out" / "results.csv"), 1);
    ASSERT_EQ(results.size(), contest.logs.size());
    StatsPlugin plugin;
    ASSERT_TRUE(plugin.Load(STATS_PLUGIN_PATH));
    std::optional<InputError> ctyError;
    const CtyDatabase cty = CtyDatabase::Parse(kSimulatedCty, "cty.dat", &ctyError);
    fs::create_directories(m_folder / "work");
    StationScorer scorer(plugin, m_folder / "work", contest.startDays);
    for (const SimulatedLog& log : contest.logs) {
        const auto& row = results.at(log.call);
        EXPECT_EQ(row[11], std::to_string(log.clockOffsetMinutes)) << log.call;
        LogReadResult read = ParseLog(log.text, log.fileName);
        TidyLog(&read.qsos, "");
        // The truth rows of a log are in file order, as are its QSOs.
        std::vector<LogQso> kept;
        for (std::size_t i = 0; i < read.qsos.size(); ++i) {
            if (keptByLog[log.call][i]) {
                kept.push_back(read.qsos[i]);
            }
        }
        AssignPrefixes(cty, &kept);
        EXPECT_EQ(row[4], std::to_string(scorer.Score(log.call, kept, kept).final.score))
            << log.call;
    }
    // Highest final score first.
    const std::string csv = Read(m_folder / "out" / "results.csv");
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    long previous = LONG_MAX;
    while (std::getline(lines, line)) {
        const auto fields = Rows("h\n" + line + "\n", 1).begin()->second;
        EXPECT_LE(std::stol(fields[4]), previous);
        previous = std::stol(fields[4]);
    }
    EXPECT_NE(Read(m_folder / "out" / "index.html")
                  .find("<td><b>" + std::to_string(previous) + "</b></td>"),
              std::string::npos);
}

TEST_F(CheckRunTest, HostileLogsChangeNoOtherStationsResult) {
    SimulationSettings settings;
    settings.seed = 4242;
    settings.stations = 30;
    const SimulatedContest contest = SimulateContest(settings);
    for (const SimulatedLog& log : contest.logs) {
        Write(m_folder / "logs" / log.fileName, log.text);
    }
    ASSERT_EQ(Run(Options(contest, "clean")), kExitChecked);

    // The same logs, one of them written all in lower case, and beside them: a file larger
    // than any log, a binary one, a malformed one, a second copy of a log, one without QSOs,
    // one naming no station, and two logs of stations nobody worked, on another band and
    // mode with a station nobody else worked, one of them called like a Windows device.
    const SimulatedLog& first = contest.logs.front();
    std::string lower = first.text;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    Write(m_folder / "logs" / first.fileName, lower);
    Write(m_folder / "logs" / ("zz-copy-" + first.fileName), first.text);
    {
        std::ofstream(m_folder / "logs" / "huge.log").put('x');
        fs::resize_file(m_folder / "logs" / "huge.log", kLargestLogBytes + 1);
    }
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>(i * 7 % 256);
    }
    Write(m_folder / "logs" / "binary.adi", binary);
    Write(m_folder / "logs" / "broken.cbr",
          "START-OF-LOG: 3.0\nCALLSIGN: YO2BRK\nQSO: 3580 DG 2026-13-06 1600 YO2BRK 599 001BV "
          "DL1ABC 599 001\n");
    Write(m_folder / "logs" / "empty.adi", "no QSOs here <EOH>\n");
    Write(m_folder / "logs" / "nocall.adi",
          "<CALL:6>DL1ABC<QSO_DATE:8>20261206<TIME_ON:4>1700<BAND:3>80m<EOR>");
    Write(m_folder / "logs" / "ZZ9ZZZ.log",
          "START-OF-LOG: 3.0\nCALLSIGN: zz9zzz\nQSO: 14080 CW 2026-12-06 1700 ZZ9ZZZ 599 001 "
          "ZZ1AAA 599 001\n");
    Write(m_folder / "logs" / "station-com1.log",
          "START-OF-LOG: 3.0\nCALLSIGN: COM1\nQSO: 14080 CW 2026-12-06 1701 COM1 599 001 "
          "ZZ1AAA 599 002\n");
    std::string errors;
    ASSERT_EQ(Run(Options(contest, "hostile"), &errors), kExitLogsLeftOut);
    for (const char* named :
         {"huge.log: ", "binary.adi: ", "broken.cbr: line 3 (DL1ABC), field date",
          "empty.adi: no QSO", "nocall.adi: the log names no station", "two logs"}) {
        EXPECT_NE(errors.find(named), std::string::npos) << named << " in\n" << errors;
    }
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 6) << errors;

    const auto cleanResults = Rows(Read(m_folder / "clean" / "results.csv"), 1);
    const auto hostileResults = Rows(Read(m_folder / "hostile" / "results.csv"), 1);
    EXPECT_EQ(hostileResults.size(), cleanResults.size() + 2);
    for (const auto& [call, row] : cleanResults) {
        EXPECT_EQ(hostileResults.at(call), row) << call;
    }
    const auto cleanFindings = Rows(Read(m_folder / "clean" / "findings.csv"), 2);
    const auto hostileFindings = Rows(Read(m_folder / "hostile" / "findings.csv"), 2);
    for (const auto& [key, row] : cleanFindings) {
        EXPECT_EQ(hostileFindings.at(key), row) << key;
    }
    EXPECT_NE(Read(m_folder / "hostile" / "ZZ9ZZZ.txt").find("WRONG BAND"), std::string::npos);
    EXPECT_TRUE(fs::exists(m_folder / "hostile" / "_COM1.txt"));
}
