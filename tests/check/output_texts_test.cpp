// Texts from participants' logs on their way into file names, CSV fields and the page, and
// the command line's checks.
#include <gtest/gtest.h>

#include "host/check/check_options.h"
#include "host/check/csv_files.h"
#include "host/check/safe_file_name.h"

TEST(SafeFileStem, NoCallBecomesAPathOrADevice) {
    EXPECT_EQ(SafeFileStem("YO9ABC/P"), "YO9ABC_P");
    EXPECT_EQ(SafeFileStem("../../etc/passwd"), "______etc_passwd");
    EXPECT_EQ(SafeFileStem("C:\\x"), "C__x");
    EXPECT_EQ(SafeFileStem(std::string("A\x01\xff B", 5)), "A___B");
    EXPECT_EQ(SafeFileStem("com1"), "_com1");
    EXPECT_EQ(SafeFileStem("NUL"), "_NUL");
    EXPECT_EQ(SafeFileStem("COM10"), "COM10");
    EXPECT_EQ(SafeFileStem(""), "_");
    EXPECT_EQ(SafeFileStem(std::string(100, 'A')).size(), 64u);

    ReportFileNames names;
    EXPECT_EQ(names.Claim("YO9ABC/P"), "YO9ABC_P.txt");
    EXPECT_EQ(names.Claim("yo9abc_p"), "yo9abc_p-2.txt");
    EXPECT_EQ(names.Claim("YO9ABC.P"), "YO9ABC_P-3.txt");
}

TEST(OutputText, CsvFieldsKeepTheirPlace) {
    EXPECT_EQ(CsvField("DL1ABC"), "DL1ABC");
    EXPECT_EQ(CsvField("received 1,2, sent \"3\""), "\"received 1,2, sent \"\"3\"\"\"");
    EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(CsvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(CsvField("-1+2"), "'-1+2");
}

TEST(CheckOptions, PeriodWindowAndHelp) {
    const auto parse = [](std::vector<std::string> arguments) {
        return ParseCheckOptions(arguments);
    };
    const CheckOptionsResult good = parse({"--start", "2026-12-06 16:00", "--end=2026-12-06 20:00",
                                           "--window", "3", "--call-from-name", "a.log", "/logs"});
    ASSERT_EQ(good.exitCode, -1) << good.output;
    EXPECT_EQ(good.options.inputs, (std::vector<std::string>{"a.log", "/logs"}));
    EXPECT_NEAR(*good.options.endDays - *good.options.startDays, 4.0 / 24, 1e-9);
    EXPECT_EQ(good.options.windowMinutes, 3);
    EXPECT_TRUE(good.options.callFromName);
    EXPECT_EQ(good.options.outDir, "sarnet-results");
    EXPECT_FALSE(parse({"a.log"}).options.startDays);

    EXPECT_EQ(parse({"--start", "2026-12-06 1600", "a.log"}).exitCode, 1);
    EXPECT_EQ(parse({"--start", "2026-12-06 16:00", "--end", "2026-12-06 16:00", "a.log"}).exitCode,
              1);
    EXPECT_EQ(parse({"--window", "-1", "a.log"}).exitCode, 1);
    EXPECT_EQ(parse({}).exitCode, 1);
    const CheckOptionsResult help = parse({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--call-from-name"), std::string::npos);
}
