// Drives the entry points with sequences of calls decoded from the input: each call takes
// an operation byte and its texts from the following bytes (texts end at a zero byte).
// Added QSOs are remembered so that later removals can name them exactly, and a call can
// carry a long repeated text, so that removal, recount, report truncation, Cabrillo runs
// and the HTML summary are all reached. Every input starts from the module's state at load
// in an empty working folder, so it replays alike and leaves nothing for the next one; the
// folder is held in memory (memory_files.cpp), which checks every name the plug-in writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "api/stats_api.h"
#include "engine/engine_state.h"
#include "fuzz/memory_files.h"

namespace {

class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_pos >= m_size; }
    uint8_t Byte() { return done() ? 0 : m_data[m_pos++]; }
    std::string Text() {
        std::string text;
        while (!done() && m_data[m_pos] != 0) {
            text += static_cast<char>(m_data[m_pos++]);
        }
        ++m_pos;
        return text;
    }
    double Days() {
        uint32_t raw = 0;
        for (int i = 0; i < 4; ++i) {
            raw = (raw << 8) | Byte();
        }
        // Mostly times inside the contest weekend, sometimes anything at all.
        if ((raw & 0x80000000u) == 0) {
            return 46362.0 + static_cast<double>(raw % 2880u) / 1440.0;
        }
        return static_cast<double>(raw % 3000000u) / 7.0 - 1000.0;
    }

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A small vocabulary keeps the fuzzer near the interesting values; other choices read a
// text from the input or build a long one.
std::string Pick(Reader& in, const std::vector<const char*>& words) {
    const uint8_t choice = in.Byte();
    if (choice < words.size() * 32) {
        return words[choice % words.size()];
    }
    if (choice >= 250) {
        const size_t length = static_cast<size_t>(in.Byte()) * 40u + in.Byte();
        const char fill = static_cast<char>(in.Byte());
        return std::string(length, fill == 0 ? 'A' : fill);
    }
    return in.Text();
}

// Back to the state after module load, with nothing in the working folder. Before, state
// and files carried over from input to input: the report files of every contest date and the
// Cabrillo files of every own call piled up, so that each contest start's directory search
// walked all of them, and the log kept growing, so that every input ended holding more
// memory than it began with and the leak check ran after each one.
void StartAfresh() {
    ResetEngineStateForTests();
    ClearMemoryFiles();
}

struct Qso {
    std::string call, band, mode, prefix, exchSent, exchRcvd;
    StatsDateTime time{};
    unsigned freq = 0;
};

int SendQso(QsoDataFn fn, const Qso& qso) {
    return fn("YO9XYZ", qso.call.c_str(), &qso.time, nullptr, nullptr, nullptr, 0, qso.freq,
              qso.mode.c_str(), "599", "599", qso.exchSent.c_str(), qso.exchRcvd.c_str(), "", "",
              "", "", "", "", "", "", "", qso.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "",
              qso.band.c_str(), "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in(data, size);
    const std::vector<const char*> calls = {"DL1ABC", "YO9XYZ", "dl1abc", "", "OK1AA", "YO2AAA"};
    const std::vector<const char*> bands = {"80m", "80M", "40m", "", "160m"};
    const std::vector<const char*> modes = {"BPSK31", "bpsk31", "SSB", ""};
    const std::vector<const char*> prefixes = {"YO", "DL", "yo", "", "OK"};
    const std::vector<const char*> exchanges = {"001BV", "001 bv", "599",   "12",
                                                "",      "001 B",  "005TM", "002 CJ"};
    const std::vector<const char*> ownCalls = {"YO9XYZ", "YO9XYZ/P", "  ", "", "yo9xyz"};
    std::vector<Qso> logged;
    int steps = 0;
    while (!in.done() && steps++ < 64) {
        const uint8_t op = in.Byte() % 11;
        const StatsDateTime time{in.Days(), static_cast<int32_t>(in.Byte() % 4)};
        switch (op) {
            case 0: {
                const StatsDateTime second{in.Days(), 0};
                const int cabrillo = in.Byte() % 3 == 0 ? 1 : 0;
                const std::string own = Pick(in, ownCalls);
                const std::string suffix = Pick(in, prefixes);
                ResetStats0("./", cabrillo, own.c_str(), &time, &second, "", "", "", "", "", "", "",
                            "", "", suffix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "");
                logged.clear();
                break;
            }
            case 1:
            case 2: {
                Qso qso;
                qso.call = Pick(in, calls);
                qso.band = Pick(in, bands);
                qso.mode = Pick(in, modes);
                qso.prefix = Pick(in, prefixes);
                qso.exchRcvd = Pick(in, exchanges);
                qso.exchSent = Pick(in, exchanges);
                qso.freq = static_cast<unsigned>(in.Byte()) * 40000u;
                qso.time = time;
                if (SendQso(op == 1 ? AddData0 : RemoveData0, qso) != 1) {
                    std::abort();
                }
                if (op == 1 && logged.size() < 32) {
                    logged.push_back(qso);
                }
                break;
            }
            case 3: {
                // Removes a QSO added earlier, so that the removal finds its record.
                if (logged.empty()) {
                    break;
                }
                const size_t which = in.Byte() % logged.size();
                if (SendQso(RemoveData0, logged[which]) != 1) {
                    std::abort();
                }
                logged.erase(logged.begin() + static_cast<std::ptrdiff_t>(which));
                break;
            }
            case 4: {
                char b27[8] = "keep";
                char b28[8] = "keep";
                const std::string call = Pick(in, calls);
                const std::string mode = Pick(in, modes);
                const std::string prefix = Pick(in, prefixes);
                const std::string band = Pick(in, bands);
                const std::string otherBand = Pick(in, bands);
                const uint8_t nulls = in.Byte();
                CheckCall0(call.c_str(), 0, 0, mode.c_str(), "", "", "", "", "", "", "", "", "",
                           prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "", "",
                           nulls % 5 == 0 ? nullptr : band.c_str(),
                           nulls % 3 == 0 ? nullptr : otherBand.c_str(), b27, b28);
                if (std::strcmp(b27, "keep") != 0 || std::strcmp(b28, "keep") != 0) {
                    std::abort();
                }
                break;
            }
            case 5: {
                const std::string exchange = Pick(in, exchanges);
                const std::string prefix = Pick(in, prefixes);
                const int valid =
                    IsValidExchg0(exchange.c_str(), "", prefix.c_str(), "", 0, 0, in.Byte() % 2);
                if (valid != 0 && valid != 1) {
                    std::abort();
                }
                break;
            }
            case 6:
            case 7: {
                int score = 0;
                const char* text = GetResult0(&score);
                if (text == nullptr || score < -1) {
                    std::abort();
                }
                break;
            }
            case 8: {
                const std::string version = Pick(in, {"2.0", ""});
                setVersion(version.c_str());
                break;
            }
            case 9: {
                // A logged QSO again, or a copy with one field changed: a duplicate or a
                // near miss for the removal search.
                if (logged.empty()) {
                    break;
                }
                Qso qso = logged[in.Byte() % logged.size()];
                switch (in.Byte() % 4) {
                    case 0:
                        qso.band = Pick(in, bands);
                        break;
                    case 1:
                        qso.time.days += 1.0 / 1440.0;
                        break;
                    case 2:
                        qso.mode = Pick(in, modes);
                        break;
                    default:
                        break;
                }
                SendQso(in.Byte() % 2 == 0 ? AddData0 : RemoveData0, qso);
                break;
            }
            default: {
                if (in.Byte() % 8 == 0) {
                    ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                                0, 0.0, 0.0, nullptr, nullptr, nullptr);
                    logged.clear();
                }
                CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
                IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0);
                GetResult0(nullptr);
                AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                         nullptr, nullptr, nullptr, nullptr, nullptr);
                RemoveData0(nullptr, nullptr, &time, nullptr, nullptr, nullptr, 0, 0, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0,
                            nullptr, nullptr, nullptr, nullptr, nullptr);
                break;
            }
        }
    }
    // Cleared here rather than at the next start: what this input allocated is freed within
    // it, so the leak check runs only when something really stays behind.
    StartAfresh();
    return 0;
}
