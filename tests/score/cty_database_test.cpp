// The country file: exact calls before prefixes, the longest prefix, portable calls.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/common/cty_database.h"

namespace {

constexpr const char* kCty =
    "Romania:                  20:  28:  EU:   45.78:   -24.70:    -2.0:  YO:\n"
    "    YO,YP,YQ,YR;\n"
    "Fed. Rep. of Germany:     14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
    "    DA,DB,DC,DD,DF,DG,DH,DJ,DK,DL,DM,DN,DO,DP,DQ,DR,=YO9GER(14)[28];\n"
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\n"
    "    R,U,UA1<59.9/-30.3>{EU}~-3.0~,UA2F,\n"
    "    UB;\n"
    "Kaliningrad:              15:  29:  EU:   54.72:   -20.52:    -3.0:  UA2:\n"
    "    UA2,=UA2F/P;\n"
    "Sov Mil Order of Malta:   15:  28:  EU:   41.90:   -12.43:    -1.0:  *1A:\n"
    "    1A;\n";

CtyDatabase Load(std::optional<InputError>* error) {
    return CtyDatabase::Parse(kCty, "cty.dat", error);
}

std::string PrefixOf(const CtyDatabase& db, const std::string& call) {
    const CtyEntity* entity = db.Lookup(call);
    return entity != nullptr ? entity->primaryPrefix : "(none)";
}

}  // namespace

TEST(CtyDatabase, ExactCallsFirstThenLongestPrefix) {
    std::optional<InputError> error;
    const CtyDatabase db = Load(&error);
    ASSERT_FALSE(error) << error->Format();
    EXPECT_EQ(db.EntityCount(), 5u);
    EXPECT_EQ(PrefixOf(db, "YO3ABC"), "YO");
    EXPECT_EQ(PrefixOf(db, "yr0x"), "YO");
    EXPECT_EQ(db.Lookup("YO3ABC")->name, "Romania");
    EXPECT_EQ(PrefixOf(db, "YO9GER"), "DL");   // exact entry beats the YO prefix
    EXPECT_EQ(PrefixOf(db, "YO9GERX"), "YO");  // but only for the exact call
    EXPECT_EQ(PrefixOf(db, "UA2FAB"), "UA");   // UA2F is longer than UA2
    EXPECT_EQ(PrefixOf(db, "UA2AB"), "UA2");   // UA2 is longer than U
    EXPECT_EQ(PrefixOf(db, "UA1ABC"), "UA");   // overrides do not belong to the prefix
    EXPECT_EQ(PrefixOf(db, "1A0KM"), "1A");    // '*' removed
    EXPECT_EQ(PrefixOf(db, "ZZ9ZZ"), "(none)");
    EXPECT_EQ(PrefixOf(db, ""), "(none)");
}

TEST(CtyDatabase, PortableCalls) {
    std::optional<InputError> error;
    const CtyDatabase db = Load(&error);
    EXPECT_EQ(PrefixOf(db, "YO9XYZ/P"), "YO");
    EXPECT_EQ(PrefixOf(db, "YO9XYZ/QRP"), "YO");
    EXPECT_EQ(PrefixOf(db, "YO9XYZ/4"), "YO");
    EXPECT_EQ(PrefixOf(db, "DL/YO9XYZ"), "DL");
    EXPECT_EQ(PrefixOf(db, "YO9XYZ/DL"), "DL");
    EXPECT_EQ(PrefixOf(db, "DL/YO9XYZ/P"), "DL");
    EXPECT_EQ(PrefixOf(db, "YO9GER/M"), "DL");  // the exact call behind a modifier
    EXPECT_EQ(PrefixOf(db, "UA2F/P"), "UA2");   // an exact entry with its modifier
    EXPECT_EQ(PrefixOf(db, "/P"), "(none)");
    EXPECT_EQ(PrefixOf(db, "///"), "(none)");
}

TEST(CtyDatabase, MalformedFilesAreErrors) {
    std::optional<InputError> error;
    CtyDatabase::Parse("", "cty.dat", &error);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Format(), "cty.dat: no entity found: not a cty.dat file");
    error.reset();
    CtyDatabase::Parse("Romania: 20: 28: EU: 45.78: -24.70: -2.0: YO:\n  YO,YP", "cty.dat", &error);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Format(), "cty.dat: line 1: an entity is not closed by ';'");
    error.reset();
    CtyDatabase::Parse("<html>not a country file</html>;", "cty.dat", &error);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Format(), "cty.dat: line 1: not a cty.dat entity line");
}

TEST(CtyDatabase, DebianCountryFile) {
    std::ifstream file("/usr/share/hamradio-files/cty.dat", std::ios::binary);
    ASSERT_TRUE(file) << "Debian's hamradio-files is missing: scripts/install-deps.sh installs it";
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::optional<InputError> error;
    const CtyDatabase db = CtyDatabase::Parse(bytes.str(), "cty.dat", &error);
    ASSERT_FALSE(error) << error->Format();
    EXPECT_GT(db.EntityCount(), 300u);
    EXPECT_EQ(PrefixOf(db, "YO9XYZ"), "YO");
    EXPECT_EQ(PrefixOf(db, "YP0A"), "YO");
    EXPECT_EQ(PrefixOf(db, "YO9XYZ/P"), "YO");
    EXPECT_EQ(PrefixOf(db, "DL/YO9XYZ"), "DL");
    EXPECT_EQ(PrefixOf(db, "DK1ABC"), "DL");
    EXPECT_EQ(PrefixOf(db, "UT5AB"), "UR");
    EXPECT_EQ(PrefixOf(db, "HB9ABC"), "HB");
    EXPECT_EQ(PrefixOf(db, "UA2FAB"), "UA2");
}
