// The settings file: defaults, the 99-character cut, number parsing and writes. The same
// tests run against our INI code natively and against the profile-string API on Windows.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "platform/settings.h"
#include "test_support.h"

namespace {

class Settings : public WorkFolderTest {
  protected:
    std::filesystem::path File() const { return m_folder / "Plugins" / "Sarnet.ini"; }
};

}  // namespace

TEST_F(Settings, MissingFileGivesDefaultsAndFirstWriteCreatesTheFolder) {
    EXPECT_EQ(ReadSetting("Name"), "");
    EXPECT_EQ(ReadSetting("Operators", "YO9XYZ"), "YO9XYZ");
    EXPECT_EQ(ReadSettingNumber("Start"), 0);
    EXPECT_FALSE(std::filesystem::exists(m_folder / "Plugins"));

    ASSERT_TRUE(WriteSetting("Start", "1"));
    EXPECT_TRUE(std::filesystem::is_regular_file(File()));
    EXPECT_EQ(ReadSettingNumber("Start"), 1);
    EXPECT_EQ(ReadSetting("Name"), "");
}

TEST_F(Settings, ValuesRoundTripAndOverwrite) {
    ASSERT_TRUE(WriteSetting("Name", "Ion Popescu"));
    ASSERT_TRUE(WriteSetting("Club", "Sarnet"));
    ASSERT_TRUE(WriteSettingNumber("setup_yo_x", -25));
    ASSERT_TRUE(WriteSetting("Name", "Maria"));
    EXPECT_EQ(ReadSetting("Name"), "Maria");
    EXPECT_EQ(ReadSetting("Club"), "Sarnet");
    EXPECT_EQ(ReadSettingNumber("setup_yo_x"), -25);
    // Key names ignore letter case, as the profile functions do.
    EXPECT_EQ(ReadSetting("NAME"), "Maria");
    ASSERT_TRUE(WriteSetting("Address", ""));
    EXPECT_EQ(ReadSetting("Address", "default"), "");
}

TEST_F(Settings, SeveralKeysAreReadAndWrittenTogether) {
    ASSERT_TRUE(WriteSetting("Club", "Sarnet"));
    ASSERT_TRUE(WriteSettings({{"Name", "Ion"}, {"Club", "YO DX Club"}, {"Address", ""}}));
    std::vector<SettingEntry> entries{
        {"Name", "-"}, {"Club", "-"}, {"Address", "-"}, {"Email", "none"}};
    ReadSettings(entries);
    EXPECT_EQ(entries[0].value, "Ion");
    EXPECT_EQ(entries[1].value, "YO DX Club");
    EXPECT_EQ(entries[2].value, "");
    EXPECT_EQ(entries[3].value, "none");
}

TEST_F(Settings, LongValuesComeBackCutTo99Characters) {
    const std::string value(120, 'x');
    ASSERT_TRUE(WriteSetting("SoapBox", value));
    EXPECT_EQ(ReadSetting("SoapBox"), std::string(99, 'x'));
    const std::string exact(99, 'y');
    ASSERT_TRUE(WriteSetting("SoapBox", exact));
    EXPECT_EQ(ReadSetting("SoapBox"), exact);
    // A long default is cut the same way.
    EXPECT_EQ(ReadSetting("Operators", std::string(150, 'z')).size(), 99u);
}

TEST_F(Settings, ReadsAFileWrittenByHand) {
    WriteFileBytes(File(),
                   "; comment\r\n[Other]\r\nStart=7\r\n[settings]\r\n  Start = 12abc \r\n"
                   "Name=\"Quoted Name\"\r\nStart=99\r\n");
    EXPECT_EQ(ReadSettingNumber("Start"), 12);
    EXPECT_EQ(ReadSetting("Name"), "Quoted Name");
}

TEST_F(Settings, AFileThatIsNotIniGivesDefaultsAndStaysWritable) {
    static const char kGarbage[] = "\x01\x02garbage\xff\xfe without structure\n=\n[\0tail";
    WriteFileBytes(File(), std::string(kGarbage, sizeof kGarbage - 1));
    EXPECT_EQ(ReadSetting("Name"), "");
    EXPECT_EQ(ReadSettingNumber("Start"), 0);
    ASSERT_TRUE(WriteSetting("Start", "1"));
    EXPECT_EQ(ReadSettingNumber("Start"), 1);
}

TEST_F(Settings, KeepsOtherSectionsAndKeysWhenWriting) {
    WriteFileBytes(File(), "[Other]\r\nkeep=me\r\n[Settings]\r\nName=A\r\n\r\n[Tail]\r\nx=1\r\n");
    ASSERT_TRUE(WriteSetting("Club", "C"));
    ASSERT_TRUE(WriteSetting("Name", "B"));
    const std::string text = ReadFileBytes(File());
    EXPECT_NE(text.find("keep=me"), std::string::npos);
    EXPECT_NE(text.find("x=1"), std::string::npos);
    EXPECT_EQ(ReadSetting("Club"), "C");
    EXPECT_EQ(ReadSetting("Name"), "B");
}

TEST_F(Settings, WriteFailsQuietlyWhenThePluginsFolderCannotBeMade) {
    // A file where the folder should be: the write fails and nothing else breaks.
    WriteFileBytes(m_folder / "Plugins", "not a folder");
    EXPECT_FALSE(WriteSetting("Start", "1"));
    EXPECT_EQ(ReadSettingNumber("Start"), 0);
    EXPECT_EQ(ReadFileBytes(m_folder / "Plugins"), "not a folder");
}

TEST(LeadingInteger, ParsesSignAndLeadingDigitsOnly) {
    EXPECT_EQ(ParseLeadingInteger("12abc"), 12);
    EXPECT_EQ(ParseLeadingInteger("abc"), 0);
    EXPECT_EQ(ParseLeadingInteger("-5"), -5);
    EXPECT_EQ(ParseLeadingInteger("+7"), 7);
    EXPECT_EQ(ParseLeadingInteger(""), 0);
    EXPECT_EQ(ParseLeadingInteger("-"), 0);
    EXPECT_EQ(ParseLeadingInteger(" 42"), 42);
    EXPECT_EQ(ParseLeadingInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseLeadingInteger("-99999999999999999999"), INT_MIN);
}
