// Hand-made contests for each verdict and for the borderline cases: the window's edge,
// a call miscopied into another participant's call, a partner worked twice, a QSO entered
// twice and a log whose clock was 17 minutes slow.
#include <gtest/gtest.h>

#include "host/check/call_similarity.h"
#include "host/check/cross_check.h"
#include "host/check/exchange_match.h"
#include "host/common/automation_date.h"

namespace {

const double kDay = ToAutomationDate(CivilTime{2026, 12, 6, 0, 0, 0});

// "HH:MM" or "HH:MM:SS" on the contest day.
double At(const std::string& time) {
    const int seconds = time.size() > 5 ? std::stoi(time.substr(6)) : 0;
    return kDay +
           (std::stoi(time.substr(0, 2)) * 3600 + std::stoi(time.substr(3, 2)) * 60 + seconds) /
               86400.0;
}

struct Line {
    std::string time;
    std::string call;
    std::string sent;
    std::string received;
};

StationLog Log(const std::string& call, const std::vector<Line>& lines) {
    StationLog log;
    log.call = call;
    log.file = call + ".log";
    for (const Line& line : lines) {
        LogQso qso;
        qso.recordNumber = log.qsos.size() + 1;
        qso.call = line.call;
        qso.days = At(line.time);
        qso.band = "80m";
        qso.mode = "BPSK31";
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

// "STATUS detail" of each QSO of one log.
std::vector<std::string> Verdicts(const StationFindings& findings) {
    std::vector<std::string> out;
    for (const QsoFinding& qso : findings.qsos) {
        out.push_back(std::string(StatusName(qso.status)) +
                      (qso.detail.empty() ? "" : " " + qso.detail));
    }
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(CrossCheck, EachVerdictOnASmallContest) {
    const std::vector<StationLog> logs = {
        Log("YO9AAA", {{"16:10", "DL1ABC", "001BV", "005"},
                       {"16:20", "OK1XYZ", "002BV", "011"},
                       {"16:30", "HA5QR", "003BV", "007"},
                       {"17:00", "DL1ABC", "004BV", "009"},
                       {"17:10", "SP9ZZZ", "005BV", "001"},
                       {"17:20", "S51AA", "006BV", "003"}}),
        Log("DL1ABC", {{"16:11", "YO9AAA", "005", "1bv"},
                       {"17:30", "S51AA", "006", "004"},
                       {"20:05", "OK1XYZ", "007", "013"}}),
        Log("OK1XYZ", {{"16:20", "YO9AAA", "012", "002BV"}, {"20:04", "DL1ABC", "013", "007"}}),
        Log("HA5QQ", {{"16:29", "YO9AAA", "007", "003BV"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    EXPECT_EQ(Verdicts(findings[0]), (Texts{"OK", "BUSTED_EXCHANGE received 011, sent 012",
                                            "BUSTED_CALL HA5QQ", "NIL", "UNIQUE", "NO_LOG"}));
    // The county received in lower case and without the leading zeros is the one sent.
    EXPECT_EQ(Verdicts(findings[1]), (Texts{"OK", "NO_LOG", "OUT_OF_PERIOD"}));
    EXPECT_EQ(Verdicts(findings[2]), (Texts{"OK", "OUT_OF_PERIOD"}));
    // The station whose call was miscopied keeps its QSO.
    EXPECT_EQ(Verdicts(findings[3]), (Texts{"OK"}));
    EXPECT_EQ(findings[0].qsos[2].partner.log, 3u);
    EXPECT_EQ(findings[0].qsos[3].workedLog, 1u);
}

TEST(CrossCheck, WindowEdgePartnerWorkedTwiceAndCallMiscopiedIntoAnotherParticipant) {
    const std::vector<StationLog> logs = {
        Log("YO9AAA", {{"16:00", "DL1ABC", "001BV", "001"},
                       {"16:30", "OK1XYZ", "002BV", "001"},
                       {"18:30", "DL1ABC", "003BV", "003"},
                       {"19:00", "DL1ABC", "004BV", "004"},
                       {"19:30", "DL1ABD", "005BV", "003"}}),
        // Exactly five minutes off is still one QSO, five and a second is not.
        Log("DL1ABC", {{"16:05", "YO9AAA", "001", "001BV"},
                       {"18:30", "YO9AAA", "003", "003BV"},
                       {"19:31", "YO9AAA", "005", "005BV"}}),
        Log("OK1XYZ", {{"16:35:01", "YO9AAA", "001", "002BV"}}),
        Log("DL1ABD", {{"17:00", "OK1XYZ", "001", "002"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    // 19:00 is a second QSO with DL1ABC that DL1ABC did not log; at 19:30 DL1ABC was
    // logged as DL1ABD, another participant, who holds no QSO with YO9AAA.
    EXPECT_EQ(Verdicts(findings[0]), (Texts{"OK", "NIL", "OK", "NIL", "BUSTED_CALL DL1ABC"}));
    EXPECT_EQ(Verdicts(findings[1]), (Texts{"OK", "OK", "OK"}));
    EXPECT_EQ(Verdicts(findings[2]), (Texts{"NIL"}));
    EXPECT_EQ(Verdicts(findings[3]), (Texts{"NIL"}));
}

TEST(CrossCheck, LogSeventeenMinutesSlowComesOutAsCleanAsACorrectOne) {
    // SLOW's clock showed 17 minutes less than UTC; its first QSO was made at 16:02 UTC
    // and its last at 19:58 UTC, both inside the period once corrected.
    const std::vector<StationLog> logs = {
        Log("YO9SLO", {{"15:45", "DL1ABC", "001BV", "001"},
                       {"16:43", "OK1XYZ", "002BV", "001"},
                       {"17:43", "HA5QQ", "003BV", "001"},
                       {"19:41", "DL1ABC", "004BV", "002"}}),
        Log("DL1ABC", {{"16:02", "YO9SLO", "001", "001BV"}, {"19:58", "YO9SLO", "002", "004BV"}}),
        Log("OK1XYZ", {{"17:00", "YO9SLO", "001", "002BV"}}),
        Log("HA5QQ", {{"18:01", "YO9SLO", "001", "003BV"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    EXPECT_EQ(findings[0].clockOffsetMinutes, -17);
    EXPECT_EQ(Verdicts(findings[0]), (Texts{"OK", "OK", "OK", "OK"}));
    for (std::size_t log = 1; log < logs.size(); ++log) {
        EXPECT_EQ(findings[log].clockOffsetMinutes, 0);
        for (const std::string& verdict : Verdicts(findings[log])) {
            EXPECT_EQ(verdict, "OK") << logs[log].call;
        }
    }
}

TEST(CrossCheck, QsoEnteredTwiceKeepsTheVerdictOfItsFirstEntry) {
    const std::vector<StationLog> logs = {
        Log("YO9AAA", {{"16:10", "DL1ABC", "001BV", "001"},
                       {"16:11", "DL1ABC", "001BV", "001"},
                       {"16:20", "OK1XYQ", "002BV", "001"},
                       {"16:21", "OK1XYQ", "002BV", "001"}}),
        Log("DL1ABC", {{"16:10", "YO9AAA", "001", "001BV"}}),
        Log("OK1XYZ", {{"16:20", "YO9AAA", "001", "002BV"}}),
    };
    const auto findings = CrossCheck(logs, Period());
    EXPECT_EQ(Verdicts(findings[0]),
              (Texts{"OK", "OK same QSO as line 1", "BUSTED_CALL OK1XYZ", "BUSTED_CALL OK1XYZ"}));
}

TEST(CallSimilarity, OneCharacterOrAPortablePartApart) {
    EXPECT_TRUE(OneSlipApart("DL1ABC", "DL1ABD"));
    EXPECT_TRUE(OneSlipApart("DL1ABC", "DL1AB"));
    EXPECT_TRUE(OneSlipApart("DL1ABC", "DL1XABC"));
    EXPECT_TRUE(OneSlipApart("DL1ABC", "DL1ACB"));
    EXPECT_FALSE(OneSlipApart("DL1ABC", "DL1CBA"));
    EXPECT_FALSE(OneSlipApart("DL1ABC", "DL1ABC"));
    EXPECT_EQ(BaseCall("DL/YO9ABC/P"), "YO9ABC");

    const std::vector<std::string> calls = {"DL1ABC", "DL1ABD", "YO9ABC/P",
                                            "DL1AB",  "OK1XYZ", std::string(300, 'A')};
    const NearCallIndex index(calls);
    EXPECT_EQ(index.Near("DL1ABC"), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(index.Near("YO9ABC"), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(index.Near("DL1ABX"), (std::vector<std::uint32_t>{0, 1, 3}));
    EXPECT_TRUE(index.Near(std::string(301, 'A')).empty());
}

TEST(ExchangeMatch, SerialAsANumberCountyIgnoringCaseOnlyWhatWasLoggedAsSent) {
    EXPECT_TRUE(ExchangeMatches("12bv", "012BV"));
    EXPECT_TRUE(ExchangeMatches("012 BV", "012BV"));
    EXPECT_FALSE(ExchangeMatches("013BV", "012BV"));
    EXPECT_FALSE(ExchangeMatches("012BH", "012BV"));
    EXPECT_FALSE(ExchangeMatches("BV", "012BV"));
    EXPECT_TRUE(ExchangeMatches("005DL", "005"));
    EXPECT_TRUE(ExchangeMatches("anything", ""));
    EXPECT_TRUE(ExchangeMatches("0", "000"));
}
