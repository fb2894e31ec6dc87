// The cross-check on small contests written the way real submitted logs hold each pattern
// an adjudicator meets: a header typo, a portable station, transposed and swapped calls,
// drifting and jumping clocks, the sender's own slips, exchanges typed into the call field,
// busted calls of stations that sent no log, holes, resubmissions and unreadable lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "host/check/cross_check.h"
#include "host/check/log_collection.h"
#include "host/check/overrides.h"
#include "host/common/automation_date.h"

namespace {

namespace fs = std::filesystem;

const double kDay = ToAutomationDate(CivilTime{2026, 12, 6, 0, 0, 0});

double At(const std::string& time) {
    return kDay +
           (std::stoi(time.substr(0, 2)) * 3600 + std::stoi(time.substr(3, 2)) * 60) / 86400.0;
}

struct Line {
    std::string time;
    std::string call;
    std::string sent;
    std::string received;
    std::string band = "80m";
    std::string own = "";  // the call this line says was sent, when the log says one
};

StationLog Log(const std::string& call, const std::vector<Line>& lines) {
    StationLog log;
    log.call = call;
    log.file = call + ".log";
    for (const Line& line : lines) {
        LogQso qso;
        qso.recordNumber = log.qsos.size() + 1;
        qso.ownCall = line.own;
        qso.call = line.call;
        qso.days = At(line.time);
        qso.band = line.band;
        qso.mode = "BPSK31";
        qso.modeFamilies = kDigitalFamily;
        qso.exchSent = line.sent;
        qso.exchRcvd = line.received;
        log.qsos.push_back(qso);
    }
    return log;
}

CheckSettings Period() {
    CheckSettings settings;
    settings.startDays = At("16:00");
    settings.endDays = At("20:00");
    return settings;
}

std::string Verdict(const QsoFinding& qso) {
    return std::string(StatusName(qso.status)) + (qso.detail.empty() ? "" : " " + qso.detail);
}

std::vector<std::string> Statuses(const StationFindings& findings) {
    std::vector<std::string> out;
    for (const QsoFinding& qso : findings.qsos) {
        out.push_back(StatusName(qso.status));
    }
    return out;
}

using Texts = std::vector<std::string>;

// A serial "NNN" and the county.
std::string Exch(int serial, const std::string& county = "") {
    const std::string digits = std::to_string(serial);
    return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits + county;
}

}  // namespace

TEST(Adjudication, TranspositionsSwapsAndPortableChangesCostOnlyTheStationThatErred) {
    const std::vector<StationLog> logs = {
        // Transposed YO3ABC twice; swapped YO2AA and YO2AB, 2 minutes apart.
        Log("DL1AAA", {{"16:10", "YO3ACB", "001", "001AB"},
                       {"17:00", "YO2AB", "002", "002CJ"},
                       {"17:02", "YO2AA", "003", "002TM"},
                       {"18:00", "YO9ABC", "004", "002BV"},
                       {"19:00", "YO9ABC", "005", "003BV"}}),
        Log("OK1BBB", {{"16:20", "YO3ACB", "001", "002AB"}}),
        Log("YO3ABC", {{"16:10", "DL1AAA", "001AB", "001"}, {"16:20", "OK1BBB", "002AB", "001"}}),
        Log("YO2AA",
            {{"16:30", "YO9ABC/P", "001CJ", "001BV"}, {"17:00", "DL1AAA", "002CJ", "002"}}),
        // Logged the portable station without the "/P" it sent then.
        Log("YO2AB", {{"16:40", "YO9ABC", "001TM", "004BV"}, {"17:02", "DL1AAA", "002TM", "003"}}),
        // Signed /P until 18:40, then without: its lines say which.
        Log("YO9ABC/P", {{"16:30", "YO2AA", "001BV", "001CJ", "80m", "YO9ABC/P"},
                         {"16:40", "YO8XYZ", "003BV", "005", "80m", "YO9ABC/P"},
                         {"16:40", "YO2AB", "004BV", "001TM", "80m", "YO9ABC/P"},
                         {"18:00", "DL1AAA", "002BV", "004", "80m", "YO9ABC"},
                         {"19:00", "DL1AAA", "003BV", "005", "80m", "YO9ABC"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    EXPECT_EQ(Verdict(findings[0].qsos[0]), "BUSTED_CALL YO3ABC");
    EXPECT_EQ(Verdict(findings[0].qsos[1]), "BUSTED_CALL YO2AA");
    EXPECT_EQ(Verdict(findings[0].qsos[2]), "BUSTED_CALL YO2AB");
    EXPECT_EQ(Statuses(findings[0])[3], "OK");
    EXPECT_EQ(Statuses(findings[0])[4], "OK");
    EXPECT_EQ(Verdict(findings[1].qsos[0]), "BUSTED_CALL YO3ABC");
    for (std::size_t log = 2; log < 4; ++log) {
        EXPECT_EQ(Statuses(findings[log]), Texts(logs[log].qsos.size(), "OK")) << logs[log].call;
    }
    EXPECT_EQ(Verdict(findings[4].qsos[0]), "BUSTED_CALL YO9ABC/P");
    EXPECT_EQ(Statuses(findings[5]), (Texts{"OK", "UNIQUE", "OK", "OK", "OK"}));
}

TEST(Adjudication, DriftingAndJumpingClocksAreCorrectedAndReported) {
    // DRIFT's clock gains 10 minutes over four hours; JUMP's is right until 18:00, then 7
    // minutes fast. Twelve partners with right clocks each work both every 20 minutes.
    std::vector<StationLog> logs;
    std::vector<Line> drift;
    std::vector<Line> jump;
    for (int p = 0; p < 12; ++p) {
        const std::string call =
            "DL" + std::to_string(p % 9 + 1) + "A" + std::string(1, static_cast<char>('A' + p));
        const int minute = 16 * 60 + 5 + p * 20;
        const auto hhmm = [](int m) {
            const std::string hours = std::to_string(m / 60);
            const std::string minutes = std::to_string(m % 60);
            return hours + ":" + (minutes.size() < 2 ? "0" : "") + minutes;
        };
        const int driftMinute = minute + (minute - 16 * 60) * 10 / 240;
        const int jumpMinute = minute + (minute >= 18 * 60 ? 7 : 0);
        drift.push_back({hhmm(driftMinute), call, Exch(p + 1, "BV"), Exch(1)});
        jump.push_back({hhmm(jumpMinute + 2), call, Exch(p + 1, "CJ"), Exch(2)});
        logs.push_back(Log(call, {{hhmm(minute), "YO9DRF", Exch(1), Exch(p + 1, "BV")},
                                  {hhmm(minute + 2), "YO8JMP", Exch(2), Exch(p + 1, "CJ")}}));
    }
    logs.push_back(Log("YO9DRF", drift));
    logs.push_back(Log("YO8JMP", jump));
    const auto findings = CrossCheck(logs, Period());
    for (std::size_t log = 0; log < logs.size(); ++log) {
        EXPECT_EQ(Statuses(findings[log]), Texts(logs[log].qsos.size(), "OK")) << logs[log].call;
    }
    EXPECT_EQ(findings[12].clock.Describe().substr(0, 14), "drifting from ");
    EXPECT_EQ(findings[13].clock.Describe(),
              "right, then +7 min from 18:14 (12 of 12 shared QSOs agree)");
}

TEST(Adjudication, TheSendersOwnSlipsAndDoubleEntriesDoNotCostTheReceiver) {
    const std::vector<StationLog> logs = {
        // Logged 002 again as sent at 16:30; its partners received 003. Sent BV until 17:00
        // then CJ, but logged CJ throughout.
        Log("YO5SND", {{"16:10", "DL1AA", "001CJ", "001"},
                       {"16:20", "DL1AB", "002CJ", "001"},
                       {"16:30", "DL1AC", "002CJ", "001"},
                       {"16:40", "DL1AD", "004CJ", "001"},
                       {"17:10", "DL1AE", "005CJ", "001"},
                       {"17:20", "DL1AF", "006CJ", "001"}}),
        Log("DL1AA", {{"16:10", "YO5SND", "001", "001BV"}}),
        Log("DL1AB", {{"16:20", "YO5SND", "001", "002BV"}}),
        Log("DL1AC", {{"16:30", "YO5SND", "001", "003BV"}}),
        Log("DL1AD", {{"16:40", "YO5SND", "001", "004BV"}}),
        // Copied 05CJ where 005CJ was sent, with the letter O; cut short to four characters.
        Log("DL1AE", {{"17:10", "YO5SND", "001", "OO5CJ"}}),
        Log("DL1AF", {{"17:20", "YO5SND", "001", "006C"}}),
        // Entered the QSO twice, correcting the sent serial: either entry matches.
        Log("OK1DBL", {{"18:00", "HA1XX", "007", "001"}, {"18:01", "HA1XX", "008", "001"}}),
        Log("HA1XX", {{"18:00", "OK1DBL", "001", "008"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    for (std::size_t log = 1; log < logs.size(); ++log) {
        EXPECT_EQ(Statuses(findings[log])[0], "OK")
            << logs[log].call << " " << findings[log].qsos[0].detail;
    }
    EXPECT_EQ(findings[5].qsos[0].detail, "letter O read as zero");
    EXPECT_EQ(findings[6].qsos[0].detail, "copy cut short");
    EXPECT_NE(findings[3].qsos[0].detail.find("sender's slip"), std::string::npos);
    EXPECT_NE(findings[1].qsos[0].detail.find("received BV"), std::string::npos);
    ASSERT_FALSE(findings[0].slips.empty());
    EXPECT_EQ(findings[0].slips.front().rfind("line ", 0), 0u);
}

TEST(Adjudication, ExchangesInTheCallFieldAndBustedCallsOfStationsThatSentNoLog) {
    std::vector<StationLog> logs = {
        // "12BV": the exchange YO7EXC sent at that minute. DL85BRD and DW75BRD for DL75BRD,
        // which sent no log but three logs hold; DJ1OJL busted, entered again as DJ1OJ.
        Log("DL1AAA", {{"16:10", "12BV", "001", "012BV"},
                       {"17:00", "DL85BRD", "002", "010"},
                       {"18:48", "DJ1OJL", "003", "004"},
                       {"18:49", "DJ1OJ", "003", "004"}}),
        Log("YO7EXC", {{"16:10", "DL1AAA", "012BV", "001"}}),
    };
    for (const char* call : {"OK1AA", "OK1AB", "OK1AC"}) {
        logs.push_back(Log(call, {{"16:50", "DL75BRD", "001", "009"},
                                  {"17:10", "DL75BRD", "002", "011"},
                                  {"18:40", "DJ1OJ", "003", "003"}}));
    }
    const auto findings = CrossCheck(logs, Period());
    EXPECT_EQ(Verdict(findings[0].qsos[0]), "BUSTED_CALL YO7EXC");
    EXPECT_EQ(Verdict(findings[1].qsos[0]), "OK");
    EXPECT_EQ(Verdict(findings[0].qsos[1]), "BUSTED_CALL DL75BRD");
    EXPECT_NE(findings[0].qsos[1].evidence.find("3 logs hold DL75BRD"), std::string::npos);
    EXPECT_EQ(Verdict(findings[0].qsos[2]), "BUSTED_CALL DJ1OJ");
    EXPECT_EQ(Verdict(findings[0].qsos[3]), "NO_LOG");
}

TEST(Adjudication, NilEvidenceNamesTheNearestCandidateAHoleOrTheOtherBand) {
    const std::vector<StationLog> logs = {
        Log("YO6PSB", {{"19:06", "YO7ARZ", "001BV", "001CJ"},
                       {"17:05", "YO7ARZ", "002BV", "003CJ", "40m"},
                       {"18:05", "YO7ARZ", "003BV", "009CJ"}}),
        Log("YO7ARZ", {{"19:01", "YO6PSB", "001CJ", "001BV"},
                       {"17:05", "YO6PSB", "003CJ", "002BV"},
                       {"17:55", "DL1XYZ", "004CJ", "002"},
                       {"18:15", "DL1XYZ", "005CJ", "003"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    // 19:01 is 5 minutes before 19:06: within the window, so the QSO is simply OK.
    EXPECT_EQ(Statuses(findings[0]), (Texts{"OK", "NIL", "NIL"}));
    EXPECT_EQ(findings[0].qsos[1].evidence, "YO7ARZ's log has YO6PSB at 17:05 (line 2), on 80m");
    EXPECT_EQ(findings[0].qsos[2].evidence,
              "YO7ARZ's log has no QSO from 17:55 to 18:15: a hole in that log");
}

TEST(Adjudication, LogsAsSubmittedHeaderTypoResubmissionByteOrderMarkAndAnUnreadableLine) {
    const fs::path folder =
        fs::temp_directory_path() / ("adjudication-" + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const auto write = [&](const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    };
    const auto cabrillo = [](const std::string& header, const std::string& lines) {
        return "START-OF-LOG: 3.0\nCALLSIGN: " + header + "\nCONTEST: SARNET\n" + lines +
               "END-OF-LOG:\n";
    };
    write("YO9ABC.log",
          "\xEF\xBB\xBF" + cabrillo("YO9ABD",
                                    "QSO:  3580 PK 2026-12-06 1610 YO9ABC        599 001BV  "
                                    "YO4AAA        599 001CJ\n"
                                    "QSO:  3580 PK 2026-13-46 1620 YO9ABC        599 002BV  "
                                    "DL1ABC        599 001\n"));
    write("YO4AAA.log", cabrillo("YO4AAA",
                                 "QSO:  3580 PK 2026-12-06 1610 YO4AAA        599 001CJ  "
                                 "YO9ABC        599 001BV\n"));
    write("YO4AAA_2.log", cabrillo("YO4AAA",
                                   "QSO:  3580 PK 2026-12-06 1610 YO4AAA        599 001CJ  "
                                   "YO9ABC        599 001BV\n"
                                   "QSO:  3580 PK 2026-12-06 1630 YO4AAA        599 002CJ  "
                                   "DL1ABC        599 002\n"));
    write("DL1ABC.log", cabrillo("DL1ABC",
                                 "QSO:  3580 PK 2026-12-06 1620 DL1ABC        599 001    "
                                 "YO9ABC        599 002BV\n"
                                 "QSO:  3580 PK 2026-12-06 1630 DL1ABC        599 002    "
                                 "YO4AAA        599 002CJ\n"));
    const CollectedLogs collected = CollectLogs({folder.string()}, false);
    fs::remove_all(folder);
    ASSERT_EQ(collected.logs.size(), 3u);
    ASSERT_EQ(collected.errors.size(), 1u);
    EXPECT_NE(collected.errors[0].find("YO4AAA_2.log is checked (the one with more QSOs)"),
              std::string::npos)
        << collected.errors[0];
    const StationLog& typo = collected.logs[2];
    EXPECT_EQ(typo.call, "YO9ABC");
    EXPECT_EQ(typo.headerCall, "YO9ABD");
    ASSERT_EQ(typo.unreadable.size(), 1u);
    EXPECT_EQ(typo.unreadable[0].line, 5u);
    const auto findings = CrossCheck(collected.logs, Period());
    EXPECT_EQ(Statuses(findings[0]), (Texts{"OK", "OK"}));  // DL1ABC
    EXPECT_EQ(Statuses(findings[1]), (Texts{"OK", "OK"}));  // YO4AAA, its second log
    EXPECT_EQ(Statuses(findings[2]), (Texts{"OK"}));
    EXPECT_NE(findings[0].qsos[0].evidence.find("cannot be read"), std::string::npos);
}

TEST(Adjudication, OverridesSetAVerdictAndOneThatMatchesNothingIsAnError) {
    std::vector<StationLog> logs = {Log("YO9AAA", {{"16:10", "DL1ABC", "001BV", "001"}})};
    std::vector<StationFindings> findings = CrossCheck(logs, Period());
    std::vector<Override> rulings;
    std::string error;
    ASSERT_TRUE(ParseOverrides("log,line,status,reason\nYO9AAA,1,OK,\"heard on the air, 16:10\"\n",
                               "rulings.csv", &rulings, &error))
        << error;
    ASSERT_TRUE(ApplyOverrides(rulings, logs, &findings, &error)) << error;
    EXPECT_EQ(Verdict(findings[0].qsos[0]),
              "OK organizer's ruling: heard on the air, 16:10 (the check said UNIQUE)");
    rulings.clear();
    ASSERT_TRUE(ParseOverrides("yo9aaa,2,NIL,typo\n", "rulings.csv", &rulings, &error));
    EXPECT_FALSE(ApplyOverrides(rulings, logs, &findings, &error));
    EXPECT_EQ(error, "rulings that match no QSO line: row 1 (yo9aaa line 2)");
    EXPECT_FALSE(ParseOverrides("YO9AAA,1,GOOD,x\n", "rulings.csv", &rulings, &error));
    EXPECT_EQ(error, "rulings.csv: line 1: \"GOOD\" is no status (OK, NIL, BUSTED_CALL, ...)");
}
