// Logs as real loggers export them (newest first, calls and exchanges in any letter case,
// every spelling of the mode, FREQ in kHz or missing, the suffix already in the exchange)
// score through the plug-in exactly as their tidy equivalents.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/common/cty_database.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/plugin_feed.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kCty =
    "Romania:  20: 28: EU: 45.78: -24.70: -2.0: YO:\n    YO;\n"
    "Fed. Rep. of Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL;\n"
    "Czech Republic: 15: 28: EU: 50.00: -16.00: -1.0: OK:\n    OK;\n";

std::string Field(const std::string& name, const std::string& value) {
    return "<" + name + ":" + std::to_string(value.size()) + ">" + value;
}

struct Record {
    std::string call, time, band, freq, mode, submode, sent, received;
};

std::string Adif(const std::vector<Record>& records) {
    std::string text = "exported <EOH>\n";
    for (const Record& r : records) {
        text += Field("CALL", r.call) + Field("QSO_DATE", "20261207") + Field("TIME_ON", r.time);
        for (const auto& [name, value] : {std::pair{"BAND", r.band},
                                          {"FREQ", r.freq},
                                          {"MODE", r.mode},
                                          {"SUBMODE", r.submode},
                                          {"STX_STRING", r.sent},
                                          {"SRX_STRING", r.received}}) {
            text += value.empty() ? "" : Field(name, value);
        }
        text += Field("RST_SENT", "599") + Field("RST_RCVD", "599") +
                Field("STATION_CALLSIGN", "YO8SRN") + "<EOR>\n";
    }
    return text;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Scored {
    std::string summary;
    std::string report;
    std::vector<std::string> notes;
};

class LoggerExport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(m_plugin.Load(STATS_PLUGIN_PATH, &error)) << error;
        std::optional<InputError> ctyError;
        m_cty = CtyDatabase::Parse(kCty, "cty.dat", &ctyError);
    }

    Scored Score(const std::string& adif, const std::string& folder) {
        const fs::path work = m_scratch.Path() / folder;
        fs::create_directories(work);
        fs::current_path(work);
        LogReadResult log = ParseLog(adif, folder + ".adi");
        EXPECT_FALSE(log.errors.Any());
        AssignPrefixes(m_cty, &log.qsos);
        Scored scored;
        scored.notes = NormaliseLog(&log.qsos, "NT");
        RunStart start;
        start.hostDirectory = work.string() + "/";
        start.ownCall = "YO8SRN";
        start.ownExchangeSuffix = "NT";
        start.contestDays = 46363.0;
        scored.summary = RunScoring(m_plugin, log.qsos, start).summary;
        scored.report = ReadText(work / "BadQSO_StatsSarnet_07_12_2026.txt");
        return scored;
    }

    ScratchFolder m_scratch;
    StatsPlugin m_plugin;
    CtyDatabase m_cty;
};

}  // namespace

TEST_F(LoggerExport, ScoresExactlyAsTheTidyLog) {
    // The three QSOs of 18:05 keep their order: the one without a number comes first, so the
    // next OK1AB is a duplicate of it.
    const std::vector<Record> tidy = {
        {"YO3ABC", "1800", "80m", "3.580", "BPSK31", "", "001", "012BV"},
        {"DL1ABC", "1801", "80m", "3.581", "BPSK31", "", "002", "005"},
        {"DL1ABC", "1802", "80m", "3.5", "BPSK31", "", "003", "006"},
        {"DL1ABC", "1803", "80m", "3.582", "BPSK31", "", "004", "007"},
        {"YO9LQA", "1805", "80m", "3.583", "BPSK31", "", "005", "020CJ"},
        {"OK1AB", "1805", "80m", "3.584", "BPSK31", "", "006", ""},
        {"OK1AB", "1805", "80m", "3.584", "BPSK31", "", "007", "009"},
        {"YO2XY", "1810", "80m", "3.585", "BPSK31", "", "008", "012TM"},
    };
    const std::vector<Record> exported = {
        {"yo2xy", "1810", "80m", "3585", "PSK", "bpsk31", "008nt", "012tm"},
        {"YO9LQA", "1805", "80m", "3.583", "psk31", "", "005", "020cj "},
        {"ok1ab", "1805", "80m", "3.584", "PSK", "PSK31", "006", ""},
        {"Ok1Ab ", "1805", "80m", "3.584", "bpsk31", "", "007NT", "009"},
        {"Dl1AbC", "1803", "80m", "3582", "PSK31", "", "004", "007"},
        {"dl1abc", "1802", "80M", "", "BPSK31", "", "003", "006"},
        {" DL1ABC", "1801", "80m", "3.581", "Psk", "Bpsk31", "002", "005"},
        {"yo3abc", "1800", "80m", "3.580", "BPSK31", "", "001NT", "012bv"},
    };
    const Scored expected = Score(Adif(tidy), "tidy");
    const Scored got = Score(Adif(exported), "exported");
    EXPECT_TRUE(expected.notes.empty());
    EXPECT_EQ(got.summary, expected.summary);
    EXPECT_EQ(got.report, expected.report);
    EXPECT_NE(expected.summary.find("Dupe\t 3"), std::string::npos) << expected.summary;
    EXPECT_EQ(got.notes,
              (std::vector<std::string>{
                  "1 QSO has no frequency: each is logged at the lower edge of its "
                  "band (3500 kHz on 80m)",
                  "2 FREQ values in kHz read as such (ADIF gives FREQ in MHz)",
                  "3 sent exchanges already end with \"NT\": the suffix is not added "
                  "twice",
                  "mode read as BPSK31, the contest's only mode: \"PSK/bpsk31\" on 2 QSOs, "
                  "\"psk31\" on 2 QSOs, \"PSK/PSK31\" on 1 QSO, \"bpsk31\" on 1 QSO",
                  "6 calls and 3 received exchanges upper-cased or trimmed, as the logging "
                  "program keeps them",
                  "the log is not in time order (7 QSOs follow a later one): the QSOs are fed "
                  "oldest first"}));
}

TEST(LogNormaliser, LeavesWhatCannotBeReadAsKilohertzOrASuffix) {
    LogQso microwave;
    microwave.band = "23cm";
    microwave.frequencyHz = 1296000000;
    LogQso suffixOnly;
    suffixOnly.exchSent = "nt";
    suffixOnly.days = 1.0;
    std::vector<LogQso> qsos = {microwave, suffixOnly};
    EXPECT_TRUE(NormaliseLog(&qsos, "NT").empty());
    EXPECT_EQ(qsos[0].frequencyHz, 1296000000u);
    EXPECT_EQ(qsos[1].exchSent, "nt");  // emptied it would lose its number
    // 1296 MHz is never taken for kHz: read as kHz it lies in no short-wave band.
    const LogReadResult read =
        ParseLog("<CALL:4>DL1A<QSO_DATE:8>20261207<TIME_ON:4>1805<FREQ:8>1296.200<EOR>", "x.adi");
    ASSERT_EQ(read.qsos.size(), 1u);
    EXPECT_EQ(read.qsos[0].frequencyHz, 1296200000u);
    EXPECT_FALSE(read.qsos[0].frequencyWasKilohertz);
}
