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

// A small contest as an organizer publishes it: categories from the headers, a checklog that is
// checked but never ranked, a tie sharing its place, a log without a sent exchange with its
// reason, findings traceable to their files, reruns that leave no stale file and a failed rerun
// that keeps the last good results, and no path of the organizer's machine on any page.
TEST_F(CheckRunTest, ResultsAnOrganizerCanPublish) {
    const auto cabrillo = [](const std::string& call, const std::string& categories,
                             const std::string& lines) {
        return "START-OF-LOG: 3.0\nCONTEST: SARNET\nCALLSIGN: " + call + "\n" + categories + lines +
               "END-OF-LOG:\n";
    };
    const auto qso = [](const std::string& time, const std::string& own, const std::string& sent,
                        const std::string& call, const std::string& received) {
        return "QSO:  3580 PK 2026-12-06 " + time + " " + own + "  599 " + sent + "  " + call +
               "  599 " + received + "\n";
    };
    Write(m_folder / "logs" / "YO9AAA.log",
          cabrillo("YO9AAA", "CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-POWER: LOW\n",
                   qso("1610", "YO9AAA", "001BV", "DL1AA", "001") +
                       qso("1620", "YO9AAA", "002BV", "DL1AB", "001") +
                       qso("1630", "YO9AAA", "003BV", "OK1CK", "001") +
                       qso("1640", "YO9AAA", "004BV", "HA1ZZ", "")));
    Write(m_folder / "logs" / "DL1AA.log",
          cabrillo("DL1AA", "CATEGORY-OPERATOR: SINGLE-OP\n",
                   qso("1610", "DL1AA", "001", "YO9AAA", "001BV")));
    Write(m_folder / "logs" / "DL1AB.log",
          cabrillo("DL1AB", "", qso("1620", "DL1AB", "001", "YO9AAA", "002BV")));
    Write(m_folder / "logs" / "OK1CK.log",
          cabrillo("OK1CK", "CATEGORY-OPERATOR: CHECKLOG\n",
                   qso("1630", "OK1CK", "001", "YO9AAA", "003BV")));
    // An ADIF log written without the sent exchange.
    Write(m_folder / "logs" / "HA1ZZ.adi",
          "<EOH>\n<CALL:6>YO9AAA <QSO_DATE:8>20261206 <TIME_ON:4>1640 <BAND:3>80m <MODE:3>PSK "
          "<SUBMODE:5>PSK31 <SRX_STRING:5>004BV <STATION_CALLSIGN:5>HA1ZZ <EOR>\n");
    CheckOptions options;
    options.inputs = {(m_folder / "logs").string()};
    options.outDir = (m_folder / "out").string();
    options.pluginPath = STATS_PLUGIN_PATH;
    options.ctyPath = (m_folder / "cty.dat").string();
    // The results folder is replaced as a whole: never when it holds the logs or files that
    // are no earlier run's results.
    options.outDir = (m_folder / "logs").string();
    EXPECT_EQ(Run(options), kExitCannotRun);
    options.outDir = m_folder.string();
    EXPECT_EQ(Run(options), kExitCannotRun);
    fs::create_directories(m_folder / "contest");
    Write(m_folder / "contest" / "rules.pdf", "the organizer's own file");
    options.outDir = (m_folder / "contest").string();
    EXPECT_EQ(Run(options), kExitCannotRun);
    EXPECT_TRUE(fs::exists(m_folder / "contest" / "rules.pdf"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder / "logs"), fs::directory_iterator()),
              5);
    fs::remove_all(m_folder / "contest");

    options.outDir = (m_folder / "out").string();
    fs::create_directories(m_folder / "out");
    Write(m_folder / "out" / "results.csv", "call\n");
    Write(m_folder / "out" / "findings.csv", "log\n");
    Write(m_folder / "out" / "OLD1AA.txt", "a report of an earlier run");
    ASSERT_EQ(Run(options), kExitChecked);

    const auto results = Rows(Read(m_folder / "out" / "results.csv"), 1);
    ASSERT_EQ(results.size(), 5u);
    // call, ... place (12), kind, category, category place, ..., reason (22)
    EXPECT_EQ(results.at("YO9AAA")[12], "1");
    EXPECT_EQ(results.at("YO9AAA")[13], "YO");
    EXPECT_EQ(results.at("YO9AAA")[14], "SINGLE-OP LOW");
    EXPECT_EQ(results.at("DL1AA")[12], "2=");
    EXPECT_EQ(results.at("DL1AB")[12], "2=");
    EXPECT_EQ(results.at("DL1AA")[14], "SINGLE-OP");
    EXPECT_EQ(results.at("DL1AA")[15], "1");
    EXPECT_EQ(results.at("DL1AB")[14], "not stated");
    EXPECT_EQ(results.at("OK1CK")[12], "checklog");
    EXPECT_EQ(results.at("HA1ZZ")[4], "0");
    EXPECT_EQ(results.at("HA1ZZ")[22],
              "no sent exchange in the log: every QSO refused as without a number");
    // The checklog's QSO is the evidence that keeps YO9AAA's.
    const auto findings = Rows(Read(m_folder / "out" / "findings.csv"), 2);
    EXPECT_EQ(findings.at("YO9AAA,7")[5], "OK");
    EXPECT_EQ(findings.at("YO9AAA,7")[7], "YO9AAA.log");
    EXPECT_EQ(findings.at("YO9AAA,7")[8], "PK");
    EXPECT_EQ(findings.at("HA1ZZ,1")[7], "HA1ZZ.adi");
    EXPECT_EQ(findings.at("HA1ZZ,1")[8], "PSK/PSK31");

    EXPECT_FALSE(fs::exists(m_folder / "out" / "OLD1AA.txt"));
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(m_folder / "out")) {
        const std::string text = Read(entry.path());
        EXPECT_EQ(text.find(m_folder.string()), std::string::npos) << entry.path();
        EXPECT_EQ(text.find(m_folder.filename().string()), std::string::npos) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 3u + 2u * 5u);  // two CSV files, the page, a report and a page each
    EXPECT_NE(Read(m_folder / "out" / "index.html").find("href=\"YO9AAA.html\""),
              std::string::npos);
    // No other folder is left beside the results.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 3);

    // A rerun that fails keeps the last good results as they were.
    const std::string page = Read(m_folder / "out" / "index.html");
    options.ctyPath = (m_folder / "missing-cty.dat").string();
    EXPECT_EQ(Run(options), kExitCannotRun);
    EXPECT_EQ(Read(m_folder / "out" / "index.html"), page);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 3);
}

}  // namespace
