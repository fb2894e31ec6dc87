// Command-line parsing of sarnet-score.
#include <gtest/gtest.h>

#include "host/score/options.h"

namespace {

OptionsResult Parse(std::vector<std::string> arguments) {
    return ParseOptions(arguments);
}

}  // namespace

TEST(Options, EveryOptionInBothSpellings) {
    const OptionsResult result =
        Parse({"--call",     "YO8SRN",   "--suffix=NT", "--date",       "2026-12-07", "--html",
               "--cabrillo", "--check",  "YO3ABC",      "--check=DL1A", "--exchange", "012BV",
               "YO",         "--plugin", "p.so",        "--cty=c.dat",  "--workdir",  "w",
               "--report",   "r.html",   "log.adi"});
    ASSERT_FALSE(result.error) << *result.error;
    const ScoreOptions& o = result.options;
    EXPECT_EQ(o.logFile, "log.adi");
    EXPECT_EQ(o.ownCall, "YO8SRN");
    EXPECT_EQ(o.ownExchangeSuffix, "NT");
    EXPECT_EQ(o.contestDate, "2026-12-07");
    EXPECT_TRUE(o.html);
    EXPECT_TRUE(o.cabrillo);
    EXPECT_EQ(o.checkCalls, (std::vector<std::string>{"YO3ABC", "DL1A"}));
    ASSERT_EQ(o.exchanges.size(), 1u);
    EXPECT_EQ(o.exchanges[0].first, "012BV");
    EXPECT_EQ(o.exchanges[0].second, "YO");
    EXPECT_EQ(o.pluginPath, "p.so");
    EXPECT_EQ(o.ctyPath, "c.dat");
    EXPECT_EQ(o.workDir, "w");
    EXPECT_EQ(o.reportFile, "r.html");
}

TEST(Options, DefaultsAndHelp) {
    const OptionsResult plain = Parse({"log.adi"});
    ASSERT_FALSE(plain.error);
    EXPECT_EQ(plain.options.ctyPath, "/usr/share/hamradio-files/cty.dat");
    EXPECT_FALSE(plain.options.html);
    const OptionsResult help = Parse({"--help"});
    ASSERT_FALSE(help.error);
    EXPECT_TRUE(help.options.help);
    EXPECT_NE(HelpText().find("Exit status"), std::string::npos);
}

TEST(Options, UsageErrors) {
    const auto error = [](std::vector<std::string> arguments) {
        const OptionsResult result = ParseOptions(arguments);
        return result.error.value_or("");
    };
    EXPECT_EQ(error({}), "no log file given");
    EXPECT_EQ(error({"a.adi", "b.adi"}),
              "only one log file can be scored at a time (a.adi, b.adi)");
    EXPECT_EQ(error({"--bogus", "a.adi"}), "unknown option --bogus");
    EXPECT_EQ(error({"-x", "a.adi"}), "unknown option -x");
    EXPECT_EQ(error({"a.adi", "--call"}), "--call needs a value");
    EXPECT_EQ(error({"a.adi", "--call="}), "--call needs a value");
    EXPECT_EQ(error({"a.adi", "--call", "A", "--call", "B"}), "option --call given twice");
    EXPECT_EQ(error({"a.adi", "--exchange", "012BV"}),
              "--exchange needs the exchange text and the DXCC prefix");
    EXPECT_EQ(error({"a.adi", "--date", "07.12.2026"}),
              "--date 07.12.2026 is not a YYYY-MM-DD date");
    EXPECT_EQ(error({"a.adi", "--date", "2026-02-30"}),
              "--date 2026-02-30 is not a YYYY-MM-DD date");
}
