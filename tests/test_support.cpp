// Shared test helpers.
#include "test_support.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "engine/engine_state.h"
#include "engine/status_link.h"

void WorkFolderTest::SetUp() {
    m_previous = std::filesystem::current_path();
    std::random_device seed;
    std::ostringstream name;
    name << "stats-test-" << std::hex << seed() << seed();
    m_folder = std::filesystem::temp_directory_path() / name.str();
    std::filesystem::create_directories(m_folder);
    std::filesystem::current_path(m_folder);
    ResetEngineStateForTests();
}

void WorkFolderTest::TearDown() {
    SetStatusLink(nullptr);
    std::filesystem::current_path(m_previous);
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

DateTime MakeDate(int year, int month, int day, int hour, int minute, int second) {
    return DateTime{ToAutomationDays(CivilTime{year, month, day, hour, minute, second}),
                    kDateValid};
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void AppendRecord(const CInfo& record) {
    EngineLock lock(g_engineMutex);
    g_qsoLog.Append(record);
}

void LogQso(const std::string& call, const std::string& band, const std::string& mode, int hour,
            int minute, const std::string& exchange) {
    CInfo record;
    record.m_call = call;
    record.m_band = band;
    record.m_mode = mode;
    record.m_time = MakeDate(2026, 12, 7, hour, minute);
    record.m_exchRcvd = exchange;
    AppendRecord(record);
}

CInfo MakeRecord(const std::string& call, const std::string& mode, int minute) {
    CInfo record;
    record.m_call = call;
    record.m_band = "80m";
    record.m_mode = mode;
    record.m_freqKHz = 3580;
    record.m_rstSent = "599";
    record.m_rstRcvd = "599";
    record.m_exchSent = "001BV";
    record.m_exchRcvd = "001";
    record.m_time = MakeDate(2018, 3, 4, 15, minute);
    return record;
}

namespace {

template <class Fn>
int CallQso(Fn fn, const TestQso& q) {
    const DateTime unused{0.0, kDateNull};
    return fn(q.ownCall.c_str(), q.call.c_str(), &q.time, &unused, &unused, &unused, 0u,
              q.frequencyHz, q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(),
              q.exchSent.c_str(), q.exchRcvd.c_str(), "", "", "", "", "", "", "", "", "",
              q.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", q.extra.c_str(), "", q.band.c_str(), "");
}

}  // namespace

int CallAddData(const TestQso& qso) {
    return CallQso(AddData0, qso);
}

int CallRemoveData(const TestQso& qso) {
    return CallQso(RemoveData0, qso);
}

int CallResetStats(const TestStart& s) {
    return ResetStats0(s.hostDirectory.c_str(), s.cabrillo, s.ownCall.c_str(), &s.firstDate,
                       &s.secondDate, "", "", "", "", "", "", "", "", "",
                       s.ownExchangeSuffix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "");
}

int CallCheckCall(const char* call, const char* mode, const char* prefix, const char* band,
                  const char* otherBand, char* buffer27, char* buffer28) {
    return CheckCall0(call, 0u, 0u, mode, "", "", "", "", "", "", "", "", "", prefix, 0, 0, 0, 0.0,
                      0.0, "", "", "", "", "", band, otherBand, buffer27, buffer28);
}
