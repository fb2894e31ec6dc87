// QSO removal: the match, the status-window signals, and the recount of the remaining
// records, checked against a plain reference model over random sequences of adds and
// removes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/engine_state.h"
#include "engine/removal.h"
#include "fake_status_link.h"
#include "test_support.h"

namespace {

constexpr const char* kReport = "BadQSO_StatsSarnet_07_12_2026.txt";
constexpr const char* kFirstLine = "Sarnet Contest UBN file \r\n";

class Removal : public WorkFolderTest {
  protected:
    void SetUp() override {
        WorkFolderTest::SetUp();
        CallResetStats(TestStart{});
        SetStatusLink(&m_link);
    }

    static std::string Report() { return ReadFileBytes(kReport); }

    FakeStatusLink m_link;
};

TEST_F(Removal, RemovingTheOnlyQsoEmptiesEverything) {
    m_link.statusOpen = true;
    m_link.countyOpen = true;
    g_refreshPending = 0;
    TestQso qso;
    qso.band = "40m";
    CallAddData(qso);
    EXPECT_EQ(CallRemoveData(qso), 1);
    EXPECT_TRUE(g_qsoLog.empty());
    EXPECT_TRUE(g_workedBands.empty());
    EXPECT_EQ(Report(), kFirstLine);
    EXPECT_EQ(m_link.refreshPosts, 1);
    EXPECT_EQ(m_link.countyResets, 1);
    EXPECT_EQ(g_refreshPending, 1);
}

TEST_F(Removal, NoMatchChangesOnlyTheRefreshSignals) {
    m_link.statusOpen = true;
    m_link.countyOpen = true;
    TestQso qso;
    qso.exchSent = "";
    CallAddData(qso);
    const std::string report = Report();
    ASSERT_NE(report, kFirstLine);

    TestQso otherBand = qso;
    otherBand.band = "80M";
    TestQso otherMinute = qso;
    otherMinute.time = MakeDate(2026, 12, 7, 18, 6);
    TestQso otherCall = qso;
    otherCall.call = "dl1abc";
    for (const TestQso& key : {otherBand, otherMinute, otherCall}) {
        g_refreshPending = 0;
        EXPECT_EQ(CallRemoveData(key), 1);
        EXPECT_EQ(g_refreshPending, 1);
    }
    EXPECT_EQ(g_qsoLog.size(), 1u);
    EXPECT_EQ(Report(), report);
    EXPECT_EQ(m_link.countyResets, 0);
    EXPECT_EQ(m_link.refreshPosts, 3);
}

TEST_F(Removal, ClosedStatusWindowGetsNoPostButTheFlag) {
    CallAddData(TestQso{});
    g_refreshPending = 0;
    CallRemoveData(TestQso{});
    EXPECT_EQ(m_link.refreshPosts, 0);
    EXPECT_EQ(m_link.countyResets, 0);
    EXPECT_EQ(g_refreshPending, 1);
}

TEST_F(Removal, LaterDuplicateScoresAgainAndReportKeepsOtherFindings) {
    TestQso first;
    TestQso bad;
    bad.call = "F5B";
    bad.band = "40m";
    TestQso second = first;
    second.time = MakeDate(2026, 12, 7, 19, 0);
    CallAddData(first);
    CallAddData(bad);
    CallAddData(second);
    EXPECT_EQ(g_qsoLog[2].m_dupe, 1);

    CallRemoveData(first);
    ASSERT_EQ(g_qsoLog.size(), 2u);
    EXPECT_EQ(g_qsoLog[1].m_dupe, 0);
    EXPECT_EQ(g_qsoLog[1].m_rejected, 0);
    EXPECT_EQ(g_qsoLog[0].m_rejected, 1);
    EXPECT_EQ(Report(), std::string(kFirstLine) +
                            "QSO:  3580  BPSK31  2026-12-07 1805  YO9XYZ  599  001  F5B  599  005"
                            "   WRONG BAND !!!\r\n");
    EXPECT_NE(std::string(GetResult0(nullptr)).find("Score: 1*(1+0) = 1"), std::string::npos);
    // The band of the removed QSO stays while the log is not empty.
    EXPECT_EQ(g_workedBands, (StringList{"80m", "40m"}));
}

TEST_F(Removal, FirstOfTwoEqualRecordsGoes) {
    TestQso a;
    a.exchRcvd = "first";
    TestQso b = a;
    b.exchRcvd = "second";
    CallAddData(a);
    CallAddData(b);
    CallRemoveData(b);  // the exchange is not compared
    ASSERT_EQ(g_qsoLog.size(), 1u);
    EXPECT_EQ(g_qsoLog[0].m_exchRcvd, "second");
    EXPECT_EQ(g_qsoLog[0].m_dupe, 0);
}

TEST_F(Removal, TimeStatusRules) {
    const DateTime valid = MakeDate(2026, 12, 7, 18, 5);
    const DateTime invalid{valid.days, kDateInvalid};
    EXPECT_TRUE(SameQsoTime(valid, valid));
    EXPECT_FALSE(SameQsoTime(valid, DateTime{valid.days + 1e-9, kDateValid}));
    EXPECT_TRUE(SameQsoTime(DateTime{1.0, kDateNull}, DateTime{2.0, kDateNull}));
    EXPECT_TRUE(SameQsoTime(invalid, invalid));
    EXPECT_FALSE(SameQsoTime(invalid, DateTime{valid.days + 1.0, kDateInvalid}));
    EXPECT_FALSE(SameQsoTime(valid, invalid));

    TestQso nullTime;
    nullTime.time = DateTime{0.0, kDateNull};
    TestQso invalidTime;
    invalidTime.call = "F5B";
    invalidTime.time = invalid;
    CallAddData(nullTime);
    CallAddData(invalidTime);
    nullTime.time.days = 12345.0;
    CallRemoveData(nullTime);
    ASSERT_EQ(g_qsoLog.size(), 1u);
    EXPECT_EQ(g_qsoLog[0].m_call, "F5B");
    // The QSO with the invalid time goes too, and stops scoring.
    CallRemoveData(invalidTime);
    EXPECT_TRUE(g_qsoLog.empty());
    EXPECT_NE(std::string(GetResult0(nullptr)).find("Score: 0*(0+0) = 0"), std::string::npos);
}

// The reference model: the remaining QSOs judged one after the other by plain scans.
struct RefFlags {
    int invalid;
    int dupe;
    int rejected;
    std::string county;
};

struct RefLog {
    std::vector<RefFlags> flags;
    std::string report;
};

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string RefCounty(const std::string& exchange) {
    std::string text = exchange.size() > 2 ? exchange.substr(exchange.size() - 2) : exchange;
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    while (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

RefLog Reference(const std::vector<TestQso>& qsos) {
    RefLog log;
    log.report = kFirstLine;
    for (size_t k = 0; k < qsos.size(); ++k) {
        const TestQso& q = qsos[k];
        const unsigned kHz = q.frequencyHz / 1000;
        const std::string line =
            std::string("QSO: ") + (kHz < 10000 ? " " : "") + std::to_string(kHz) + "  " + q.mode +
            "  " + FormatDateTime(q.time, "%Y-%m-%d %H%M") + "  " + q.ownCall + "  " + q.rstSent +
            "  " + q.exchSent + "  " + q.call + "  " + q.rstRcvd + "  " + q.exchRcvd;
        RefFlags f{0, 0, 0, ""};
        std::string tail;
        if (Lower(q.band) != "80m") {
            tail = "   WRONG BAND !!!";
        } else if (Lower(q.mode) != "bpsk31") {
            tail = "   WRONG MODE !!!";
        } else if (q.exchSent.empty() || q.exchRcvd.empty()) {
            tail = "   NO NUMBER !!!";
        }
        const bool basic = tail.empty();
        if (!basic) {
            f.invalid = f.rejected = 1;
            log.report += line + tail + "\r\n";
        }
        if (q.prefix == "YO") {
            const std::string county = RefCounty(q.exchRcvd);
            if (IsCountyCode(county)) {
                f.county = county;
            } else if (basic) {
                f.invalid = f.rejected = 1;
                log.report += line + "  " + county + "  YO County Code not acceptable !!!\r\n";
            }
        }
        for (size_t j = 0; basic && j < k; ++j) {
            if (qsos[j].call == q.call && qsos[j].band == q.band && qsos[j].mode == q.mode) {
                f.dupe = f.rejected = 1;
                log.report += line + "   DUPE !!!\r\n";
                break;
            }
        }
        log.flags.push_back(f);
    }
    return log;
}

bool RefSameTime(const DateTime& a, const DateTime& b) {
    return a.status == b.status && (a.status == kDateNull || a.days == b.days);
}

void RefRemove(std::vector<TestQso>& qsos, const TestQso& key) {
    for (size_t i = 0; i < qsos.size(); ++i) {
        const TestQso& q = qsos[i];
        if (q.call == key.call && q.mode == key.mode && q.band == key.band &&
            RefSameTime(q.time, key.time)) {
            qsos.erase(qsos.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

template <size_t N>
std::string Pick(std::mt19937& random, const char* const (&choices)[N]) {
    return choices[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

TestQso RandomQso(std::mt19937& random) {
    static const char* const kCalls[] = {"DL1A", "dl1a", "F5B", "YO3X", ""};
    static const char* const kBands[] = {"80m", "80m", "80M", "40m"};
    static const char* const kModes[] = {"BPSK31", "BPSK31", "bpsk31", "CW"};
    static const char* const kPrefixes[] = {"DL", "YO", "YO", "yo", ""};
    static const char* const kReceived[] = {"001BV", "002ab", "5", "", "001 bv", "12 X", "0015A"};
    static const char* const kSent[] = {"001", "002", ""};
    const DateTime times[] = {MakeDate(2026, 12, 7, 18, 5), MakeDate(2026, 12, 7, 18, 6),
                              DateTime{0.0, kDateNull}, DateTime{45000.0, kDateInvalid}};
    TestQso q;
    q.call = Pick(random, kCalls);
    q.band = Pick(random, kBands);
    q.mode = Pick(random, kModes);
    q.prefix = Pick(random, kPrefixes);
    q.exchRcvd = Pick(random, kReceived);
    q.exchSent = Pick(random, kSent);
    q.time = times[std::uniform_int_distribution<int>(0, 3)(random)];
    q.frequencyHz = std::uniform_int_distribution<int>(0, 1)(random) != 0 ? 3580000u : 14070000u;
    return q;
}

std::set<std::string> WorkedBandSet() {
    return std::set<std::string>(g_workedBands.begin(), g_workedBands.end());
}

void ExpectMatchesReference(const std::vector<TestQso>& qsos, const std::string& context) {
    const RefLog ref = Reference(qsos);
    ASSERT_EQ(g_qsoLog.size(), qsos.size()) << context;
    for (size_t i = 0; i < qsos.size(); ++i) {
        const CInfo& r = g_qsoLog[i];
        EXPECT_EQ(r.m_call, qsos[i].call) << context << " record " << i;
        EXPECT_EQ(r.m_invalid, ref.flags[i].invalid) << context << " record " << i;
        EXPECT_EQ(r.m_dupe, ref.flags[i].dupe) << context << " record " << i;
        EXPECT_EQ(r.m_rejected, ref.flags[i].rejected) << context << " record " << i;
        EXPECT_EQ(r.m_county, ref.flags[i].county) << context << " record " << i;
    }
    EXPECT_EQ(ReadFileBytes(kReport), ref.report) << context;
}

TEST_F(Removal, AnySequenceEqualsAFreshStartWithTheRemainingQsos) {
    int summariesCompared = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        CallResetStats(TestStart{});
        std::vector<TestQso> qsos;
        for (int step = 0; step < 40; ++step) {
            const std::string context =
                "seed " + std::to_string(seed) + " step " + std::to_string(step);
            if (!qsos.empty() && std::uniform_int_distribution<int>(0, 2)(random) == 0) {
                // Mostly a logged QSO, sometimes one that may not be in the log.
                TestQso key =
                    std::uniform_int_distribution<int>(0, 3)(random) != 0
                        ? qsos[std::uniform_int_distribution<size_t>(0, qsos.size() - 1)(random)]
                        : RandomQso(random);
                CallRemoveData(key);
                RefRemove(qsos, key);
            } else {
                const TestQso q = RandomQso(random);
                CallAddData(q);
                qsos.push_back(q);
            }
            ExpectMatchesReference(qsos, context);
            if (HasFailure()) {
                return;
            }
        }
        // The summary equals a fresh start's whenever the worked bands are the same: after
        // a removal the worked bands keep the removed QSOs' bands while the log has QSOs.
        const std::set<std::string> bands = WorkedBandSet();
        const std::string summary = GetResult0(nullptr);
        CallResetStats(TestStart{});
        for (const TestQso& q : qsos) {
            CallAddData(q);
        }
        if (WorkedBandSet() == bands) {
            EXPECT_EQ(GetResult0(nullptr), summary) << "seed " << seed;
            ++summariesCompared;
        }
    }
    EXPECT_GT(summariesCompared, 10);
}

}  // namespace
