// The rule tables and the record and rule-set types built on them.
#include <gtest/gtest.h>

#include "engine/contest_rules.h"
#include "engine/engine_state.h"
#include "engine/qso_record.h"
#include "engine/rule_tables.h"

TEST(RuleTables, BandRuleIgnoresCaseButNotSpelling) {
    EXPECT_TRUE(g_bandRules.Contains("80m"));
    EXPECT_TRUE(g_bandRules.Contains("80M"));
    EXPECT_FALSE(g_bandRules.Contains("80 m"));
    EXPECT_FALSE(g_bandRules.Contains("80"));
    EXPECT_FALSE(g_bandRules.Contains("40m"));
    EXPECT_FALSE(g_bandRules.Contains(""));
}

TEST(RuleTables, ModeRuleIgnoresCaseButNotSpelling) {
    EXPECT_TRUE(g_modeRules.Contains("BPSK31"));
    EXPECT_TRUE(g_modeRules.Contains("bpsk31"));
    EXPECT_FALSE(g_modeRules.Contains("PSK31"));
}

TEST(RuleTables, EmptyRuleSetContainsNothing) {
    const CContestRules none(nullptr, 0);
    EXPECT_FALSE(none.Contains(""));
}

TEST(RuleTables, CountyCodesAreExactTwoLetterUpperCase) {
    EXPECT_TRUE(IsCountyCode("BV"));
    EXPECT_TRUE(IsCountyCode("AB"));
    EXPECT_TRUE(IsCountyCode("VN"));
    EXPECT_FALSE(IsCountyCode("bv"));
    EXPECT_FALSE(IsCountyCode("B"));
    EXPECT_FALSE(IsCountyCode("BVX"));
    EXPECT_FALSE(IsCountyCode("XX"));
    EXPECT_EQ(kCountyCodes.size(), 42u);
}

TEST(RuleTables, RussianCaptionPrefixesAreCaseSensitive) {
    EXPECT_TRUE(IsRussianCaptionPrefix("UA2/f"));
    EXPECT_FALSE(IsRussianCaptionPrefix("UA2/F"));
    EXPECT_TRUE(IsRussianCaptionPrefix("UR"));
    EXPECT_FALSE(IsRussianCaptionPrefix("ur"));
}

TEST(RuleTables, BandSlotsFollowTheSlotTable) {
    EXPECT_EQ(BandSlot("160m"), 0);
    EXPECT_EQ(BandSlot("80m"), 1);
    EXPECT_EQ(BandSlot("10m"), 5);
    EXPECT_EQ(BandSlot("80M"), -1);
    EXPECT_EQ(BandSlot("6m"), -1);
}

TEST(QsoRecord, CopyKeepsEverythingButTheSpareField) {
    CInfo source;
    source.m_call = "DL1ABC";
    source.m_prefix = "DL";
    source.m_extra = "x";
    source.m_band = "80m";
    source.m_mode = "BPSK31";
    source.m_rstRcvd = "599";
    source.m_rstSent = "579";
    source.m_exchRcvd = "001BV";
    source.m_exchSent = "002YO";
    source.m_county = "BV";
    source.m_invalid = 1;
    source.m_freqKHz = 3580;
    source.m_dupe = 1;
    source.m_reserved = {1, 2, 3, 4, 5};
    source.m_rejected = 1;
    source.m_time = DateTime{46000.5, kDateValid};
    source.m_spare = 77;

    CInfo copy;
    copy = source;
    EXPECT_EQ(copy.m_call, "DL1ABC");
    EXPECT_EQ(copy.m_exchSent, "002YO");
    EXPECT_EQ(copy.m_county, "BV");
    EXPECT_EQ(copy.m_freqKHz, 3580u);
    EXPECT_EQ(copy.m_reserved[4], 5);
    EXPECT_EQ(copy.m_time.days, 46000.5);
    EXPECT_EQ(copy.m_invalid + copy.m_dupe + copy.m_rejected, 3);
    EXPECT_EQ(copy.m_spare, 0);
    const CInfo constructed(source);
    EXPECT_EQ(constructed.m_spare, 0);
    EXPECT_EQ(constructed.m_extra, "x");
}

TEST(QsoRecord, ConstructionGivesTheDocumentedDefaults) {
    const CInfo record;
    EXPECT_EQ(record.m_time.status, kDateValid);
    EXPECT_EQ(record.m_time.days, 0.0);
    for (int value : record.m_reserved) {
        EXPECT_EQ(value, -1);
    }
    EXPECT_EQ(record.m_spare, 0);
}
