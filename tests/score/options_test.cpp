// Command-line parsing of sarnet-score.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/score/options.h"

using ::testing::HasSubstr;

TEST(Options, EveryOptionInBothSpellings) {
    const OptionsResult result = ParseOptions(
        {"--call",     "YO8SRN",   "--suffix=NT", "--date",       "2026-12-07", "--html",
         "--cabrillo", "--check",  "YO3ABC",      "--check=DL1A", "--exchange", "012BV",
         "YO",         "--plugin", "p.so",        "--cty=c.dat",  "--workdir",  "w",
         "--report",   "r.html",   "-v",          "--",           "-log.adi"});
    ASSERT_FALSE(result.error) << *result.error;
    const ScoreOptions& o = result.options;
    EXPECT_EQ(o.logFile, "-log.adi");
    EXPECT_EQ(o.ownCall, "YO8SRN");
    EXPECT_EQ(o.ownExchangeSuffix, "NT");
    EXPECT_EQ(o.contestDate, "2026-12-07");
    EXPECT_TRUE(o.html);
    EXPECT_TRUE(o.cabrillo);
    EXPECT_TRUE(o.verbose);
    EXPECT_EQ(o.checkCalls, (std::vector<std::string>{"YO3ABC", "DL1A"}));
    ASSERT_EQ(o.exchanges.size(), 1u);
    EXPECT_EQ(o.exchanges[0].first, "012BV");
    EXPECT_EQ(o.exchanges[0].second, "YO");
    EXPECT_EQ(o.pluginPath, "p.so");
    EXPECT_EQ(o.ctyPath, "c.dat");
    EXPECT_EQ(o.workDir, "w");
    EXPECT_EQ(o.reportFile, "r.html");
}

TEST(Options, DefaultsStandardInputHelpAndVersion) {
    const OptionsResult plain = ParseOptions({"-"});
    ASSERT_FALSE(plain.error);
    EXPECT_EQ(plain.options.logFile, "-");
    EXPECT_EQ(plain.options.ctyPath, "/usr/share/hamradio-files/cty.dat");
    EXPECT_FALSE(plain.options.html);
    for (const char* help : {"-h", "--help"}) {
        const OptionsResult result = ParseOptions({help, "--bogus"});
        ASSERT_TRUE(result.text) << help;
        EXPECT_THAT(*result.text, HasSubstr("Exit status"));
        EXPECT_THAT(*result.text, HasSubstr("--exchange TEXT PFX"));
    }
    const OptionsResult version = ParseOptions({"--version"});
    ASSERT_TRUE(version.text);
    EXPECT_THAT(*version.text, HasSubstr("sarnet-score "));
}

TEST(Options, UsageErrors) {
    const auto error = [](std::vector<std::string> arguments) {
        const OptionsResult result = ParseOptions(arguments);
        EXPECT_FALSE(result.text);
        return result.error.value_or("(accepted)");
    };
    EXPECT_EQ(error({}), "no log file given");
    EXPECT_THAT(error({"a.adi", "b.adi"}), HasSubstr("b.adi"));
    EXPECT_THAT(error({"--bogus", "a.adi"}), HasSubstr("--bogus"));
    EXPECT_THAT(error({"-x", "a.adi"}), HasSubstr("-x"));
    EXPECT_THAT(error({"a.adi", "--call"}), HasSubstr("--call"));
    EXPECT_EQ(error({"a.adi", "--call="}), "--call needs a value");
    EXPECT_THAT(error({"a.adi", "--call", "A", "--call", "B"}), HasSubstr("--call"));
    EXPECT_THAT(error({"a.adi", "--exchange", "012BV"}), HasSubstr("--exchange"));
    EXPECT_THAT(error({"a.adi", "--check", "A", "B"}), HasSubstr("B"));
    EXPECT_THAT(error({"a.adi", "--date", "07.12.2026"}),
                HasSubstr("07.12.2026 is not a YYYY-MM-DD date"));
    EXPECT_THAT(error({"a.adi", "--date", "2026-02-30"}),
                HasSubstr("2026-02-30 is not a YYYY-MM-DD date"));
}
