// Shared test helpers: a fresh temporary working folder per test, engine reset, and short
// forms of the host's long entry-point calls.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "api/stats_api.h"
#include "engine/qso_record.h"

// Each test runs in its own empty current directory with the engine as after module load.
class WorkFolderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path m_folder;

  private:
    std::filesystem::path m_previous;
};

// A valid automation date-time from calendar fields.
DateTime MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// Appends the record to the engine's log under the engine lock, without admission: for tests
// of what reads the log.
void AppendRecord(const CInfo& record);
// Logs a contact of 2026-12-07 with the fields the live call display reads.
void LogQso(const std::string& call, const std::string& band, const std::string& mode, int hour,
            int minute, const std::string& exchange);
// An 80 m contact of 2018-03-04 15:mm on 3580 kHz with RST 599 both ways, "001BV" sent and
// "001" received, as the Cabrillo tests log it.
CInfo MakeRecord(const std::string& call, const std::string& mode, int minute);

// The QSO fields a host passes to AddData0 / RemoveData0, with contest defaults.
struct TestQso {
    std::string ownCall = "YO9XYZ";
    std::string call = "DL1ABC";
    DateTime time = MakeDate(2026, 12, 7, 18, 5);
    unsigned frequencyHz = 3580000;
    std::string mode = "BPSK31";
    std::string rstSent = "599";
    std::string rstRcvd = "599";
    std::string exchSent = "001";
    std::string exchRcvd = "005";
    std::string prefix = "DL";
    std::string extra = "";
    std::string band = "80m";
};

int CallAddData(const TestQso& qso);
int CallRemoveData(const TestQso& qso);

struct TestStart {
    std::string hostDirectory = "./";
    int cabrillo = 0;
    std::string ownCall = "YO9XYZ";
    DateTime firstDate = MakeDate(2026, 12, 6);
    DateTime secondDate = MakeDate(2026, 12, 7);
    std::string ownExchangeSuffix = "BV";
};

int CallResetStats(const TestStart& start);

// CheckCall0 with the parameters the check reads; null band texts pass through.
int CallCheckCall(const char* call, const char* mode, const char* prefix, const char* band,
                  const char* otherBand, char* buffer27 = nullptr, char* buffer28 = nullptr);
