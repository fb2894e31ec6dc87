// Drives the entry points with sequences of calls decoded from the input: each call takes
// an operation byte and its texts from the following bytes (texts end at a zero byte).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "api/stats_api.h"

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
        return static_cast<double>(raw % 3000000u) / 7.0 - 1000.0;
    }

  private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A small vocabulary keeps the fuzzer near the interesting values.
const char* Pick(Reader& in, const std::vector<const char*>& words, std::string& storage) {
    const uint8_t choice = in.Byte();
    if (choice < words.size() * 32) {
        return words[choice % words.size()];
    }
    storage = in.Text();
    return storage.c_str();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/stats-fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in(data, size);
    const std::vector<const char*> calls = {"DL1ABC", "YO9XYZ", "dl1abc", "", "OK1AA"};
    const std::vector<const char*> bands = {"80m", "80M", "40m", "", "160m"};
    const std::vector<const char*> modes = {"BPSK31", "bpsk31", "SSB", ""};
    const std::vector<const char*> prefixes = {"YO", "DL", "yo", "", "OK"};
    const std::vector<const char*> exchanges = {"001BV", "001 bv", "599", "12", "", "001 B"};
    std::string s1, s2, s3, s4, s5, s6;
    int steps = 0;
    while (!in.done() && steps++ < 64) {
        const uint8_t op = in.Byte() % 8;
        StatsDateTime time{in.Days(), static_cast<int32_t>(in.Byte() % 4)};
        switch (op) {
            case 0: {
                StatsDateTime second{in.Days(), 0};
                ResetStats0("./", in.Byte() % 4 == 0 ? 1 : 0, Pick(in, calls, s1), &time, &second,
                            "", "", "", "", "", "", "", "", "", Pick(in, prefixes, s2), 0, 0, 0,
                            0.0, 0.0, "", "", "");
                break;
            }
            case 1:
            case 2: {
                const char* call = Pick(in, calls, s1);
                const char* band = Pick(in, bands, s2);
                const char* mode = Pick(in, modes, s3);
                const char* prefix = Pick(in, prefixes, s4);
                const char* exchRcvd = Pick(in, exchanges, s5);
                const char* exchSent = Pick(in, exchanges, s6);
                const unsigned freq = static_cast<unsigned>(in.Byte()) * 40000u;
                QsoDataFn fn = op == 1 ? AddData0 : RemoveData0;
                fn("YO9XYZ", call, &time, nullptr, nullptr, nullptr, 0, freq, mode, "599", "599",
                   exchSent, exchRcvd, "", "", "", "", "", "", "", "", "", prefix, 0, 0, 0, 0.0,
                   0.0, "", "", "", band, "");
                break;
            }
            case 3: {
                char b27[8] = "keep";
                char b28[8] = "keep";
                CheckCall0(Pick(in, calls, s1), 0, 0, Pick(in, modes, s2), "", "", "", "", "", "",
                           "", "", "", Pick(in, prefixes, s3), 0, 0, 0, 0.0, 0.0, "", "", "", "",
                           "", in.Byte() % 5 == 0 ? nullptr : Pick(in, bands, s4),
                           in.Byte() % 3 == 0 ? nullptr : Pick(in, bands, s5), b27, b28);
                if (std::strcmp(b27, "keep") != 0 || std::strcmp(b28, "keep") != 0) {
                    std::abort();
                }
                break;
            }
            case 4: {
                const int valid = IsValidExchg0(Pick(in, exchanges, s1), "", Pick(in, prefixes, s2),
                                                "", 0, 0, in.Byte() % 2);
                if (valid != 0 && valid != 1) {
                    std::abort();
                }
                break;
            }
            case 5: {
                int score = 0;
                const char* text = GetResult0(&score);
                if (text == nullptr) {
                    std::abort();
                }
                break;
            }
            case 6:
                setVersion("");
                break;
            default:
                IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0);
                GetResult0(nullptr);
                break;
        }
    }
    return 0;
}
