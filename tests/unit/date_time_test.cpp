// Automation-date conversion and formatting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/date_time.h"
#include "test_support.h"

namespace {

std::string Format(double days, const char* pattern = "%Y-%m-%d %H%M") {
    return FormatDateTime(DateTime{days, kDateValid}, pattern);
}

}  // namespace

TEST(DateTime, FormatsEveryPatternThePlugInWrites) {
    const DateTime date = MakeDate(2026, 12, 7, 18, 5, 0);
    EXPECT_EQ(FormatDateTime(date, "%Y-%m-%d %H%M"), "2026-12-07 1805");
    EXPECT_EQ(FormatDateTime(date, "%H:%M"), "18:05");
    EXPECT_EQ(FormatDateTime(date, "%d.%m.%Y"), "07.12.2026");
    EXPECT_EQ(FormatDateTime(date, "%d_%m_%Y"), "07_12_2026");
    EXPECT_EQ(FormatDateTime(date, "%Y"), "2026");
}

TEST(DateTime, EpochAndKnownDays) {
    EXPECT_EQ(Format(0.0), "1899-12-30 0000");
    EXPECT_EQ(Format(1.0), "1899-12-31 0000");
    EXPECT_EQ(Format(2.0), "1900-01-01 0000");
    // 1900 is not a leap year: day 61 is 1 March.
    EXPECT_EQ(Format(61.0), "1900-03-01 0000");
    EXPECT_EQ(Format(43163.0 + 15.5 / 24.0), "2018-03-04 1530");
    EXPECT_EQ(Format(2958465.0 + 0.5), "9999-12-31 1200");
}

TEST(DateTime, RoundsToTheNearestSecondBeforeFormatting) {
    // 0.753472 days is 18:04:59.98, shown as 18:05.
    EXPECT_EQ(Format(46000.753472, "%H:%M"), "18:05");
    EXPECT_EQ(Format(46000.0 + 59.4 / 86400.0, "%H:%M:%S"), "00:00:59");
    // Just before midnight rounds into the next day, also across a month and a year.
    EXPECT_EQ(Format(46022.0 + 86399.6 / 86400.0), "2026-01-01 0000");
    EXPECT_EQ(Format(46022.0 + 86399.4 / 86400.0, "%Y-%m-%d %H:%M:%S"), "2025-12-31 23:59:59");
}

TEST(DateTime, NegativeDayCountsKeepTheFractionAsTimeOfDay) {
    EXPECT_EQ(Format(-1.25), "1899-12-29 0600");
    EXPECT_EQ(Format(-0.5), "1899-12-30 1200");
    EXPECT_EQ(Format(-1.0), "1899-12-29 0000");
    // A time that rounds up to midnight moves to the following calendar day.
    EXPECT_EQ(Format(-1.0 - 86399.7 / 86400.0), "1899-12-30 0000");
}

TEST(DateTime, NullInvalidAndOutOfRangeGiveZeros) {
    EXPECT_EQ(FormatDateTime(DateTime{46000.5, kDateNull}, "%Y-%m-%d %H%M"), "0000-00-00 0000");
    EXPECT_EQ(FormatDateTime(DateTime{46000.5, kDateInvalid}, "%d_%m_%Y"), "00_00_0000");
    EXPECT_EQ(FormatDateTime(DateTime{46000.5, 7}, "%Y"), "0000");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN()), "0000-00-00 0000");
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity()), "0000-00-00 0000");
    EXPECT_EQ(Format(1e300), "0000-00-00 0000");
    EXPECT_EQ(Format(-1e9), "0000-00-00 0000");
    EXPECT_EQ(FormatDateTime(ReadDateTime(nullptr), "%H:%M"), "00:00");
}

TEST(DateTime, UnknownPatternCharactersAreCopied) {
    EXPECT_EQ(FormatDateTime(MakeDate(2026, 1, 2), "%Q-%%-%"), "%Q-%-%");
    EXPECT_EQ(FormatDateTime(MakeDate(2026, 1, 2), nullptr), "");
}

TEST(DateTime, CalendarRoundTrip) {
    for (double days = -700000.0 + 0.25; days < 3000000.0; days += 9973.37) {
        CivilTime civil{};
        if (!ToCivilTime(DateTime{days, kDateValid}, &civil)) {
            continue;
        }
        const double back = ToAutomationDays(civil);
        EXPECT_NEAR(back, days, 1.0 / 86400.0) << days;
    }
}
