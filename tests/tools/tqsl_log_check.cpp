// tqsl_log_check: runs a Cabrillo or ADIF log through TrustedQSL's own converter, the checks a
// log must pass before logbook signing (date, time, call, band, mode, frequency), so the tests
// hold what we write to a reader nobody on this project wrote.
// Usage: tqsl_log_check [-c CALL_FIELD] LOG.cbr | tqsl_log_check -a LOG.adi
// One line per QSO ("OK line N: ..." or "REJECT line N: ..."); exit 0 when every QSO passes,
// 1 when some are rejected or none is found, 2 for a file-level error, 3 when the library fails.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Debian ships the library (package trustedqsl) without its headers: these are the few entry
// points used here, with the C types of the library's public interface.
extern "C" {
using TqslHandle = void*;
extern int tQSL_Error;
int tqsl_init();
const char* tqsl_getErrorString();
int tqsl_beginCabrillo(TqslHandle* cabrillo, const char* filename);
int tqsl_getCabrilloContest(TqslHandle cabrillo, char* buffer, int size);
int tqsl_endCabrillo(TqslHandle* cabrillo);
int tqsl_setCabrilloMapEntry(const char* contest, int callField, int contestType);
int tqsl_beginADIFConverter(TqslHandle* converter, const char* filename, void* certificates,
                            int count, void* location);
int tqsl_beginCabrilloConverter(TqslHandle* converter, const char* filename, void* certificates,
                                int count, void* location);
int tqsl_setConverterAllowDuplicates(TqslHandle converter, int allow);
int tqsl_setConverterQTHDetails(TqslHandle converter, int logVerify);
const char* tqsl_getConverterGABBI(TqslHandle converter);
int tqsl_getConverterLine(TqslHandle converter, int* line);
const char* tqsl_getConverterRecordText(TqslHandle converter);
int tqsl_endConverter(TqslHandle* converter);
}

namespace {

constexpr int kNoError = 0;
constexpr int kSystemError = 1;
constexpr int kCabrilloError = 5;
// The converter looks for a signing certificate only after a QSO has passed every check.
constexpr int kCertificateNotFound = 33;
constexpr int kLocationIgnore = 0;
constexpr int kHfContest = 0;

// "CALL: DL1ABC\nBAND: 80M" becomes "CALL=DL1ABC BAND=80M".
std::string OneLine(const char* text) {
    std::string line;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p == '\n') {
            line += ' ';
        } else if (p[0] == ':' && p[1] == ' ') {
            line += '=';
            ++p;
        } else {
            line += *p;
        }
    }
    return line;
}

// Every library call clears the error first, so its text is copied at once.
std::string LastError() {
    std::string text = tqsl_getErrorString();
    for (char& c : text) {
        if (c == '\n') {
            c = ' ';
        }
    }
    return text;
}

// A contest missing from the library's table gets the call-worked column given here, as
// TrustedQSL's own program lets its user do.
bool MapContest(const char* file, int callField) {
    TqslHandle cabrillo = nullptr;
    if (tqsl_beginCabrillo(&cabrillo, file) != 0) {
        std::printf("REJECT file: %s\n", LastError().c_str());
        return false;
    }
    char contest[256] = {};
    tqsl_getCabrilloContest(cabrillo, contest, sizeof contest);
    tqsl_endCabrillo(&cabrillo);
    tqsl_setCabrilloMapEntry(contest, callField, kHfContest);
    return true;
}

int CheckLog(const char* file, bool adif) {
    TqslHandle converter = nullptr;
    const int begun = adif ? tqsl_beginADIFConverter(&converter, file, nullptr, 0, nullptr)
                           : tqsl_beginCabrilloConverter(&converter, file, nullptr, 0, nullptr);
    if (begun != 0) {
        std::printf("REJECT file: %s\n", LastError().c_str());
        return 2;
    }
    // No duplicate database and no station location: only the QSO checks run.
    tqsl_setConverterAllowDuplicates(converter, 1);
    tqsl_setConverterQTHDetails(converter, kLocationIgnore);
    int accepted = 0;
    int rejected = 0;
    for (;;) {
        tQSL_Error = kNoError;
        if (tqsl_getConverterGABBI(converter) != nullptr) {
            continue;
        }
        const int error = tQSL_Error;
        if (error == kNoError) {
            break;
        }
        const std::string message = LastError();
        int line = 0;
        tqsl_getConverterLine(converter, &line);
        const std::string record = OneLine(tqsl_getConverterRecordText(converter));
        if (error == kCertificateNotFound) {
            std::printf("OK line %d: %s\n", line, record.c_str());
            ++accepted;
            continue;
        }
        std::printf("REJECT line %d: %s | %s\n", line, message.c_str(), record.c_str());
        ++rejected;
        if (error == kCabrilloError || error == kSystemError) {
            tqsl_endConverter(&converter);
            return 2;
        }
    }
    tqsl_endConverter(&converter);
    std::printf("%d OK, %d rejected\n", accepted, rejected);
    return accepted > 0 && rejected == 0 ? 0 : 1;
}

}  // namespace

// The library keeps what it allocates until the process ends; in sanitizer builds that is not
// ours to report.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    bool adif = false;
    int callField = 0;
    int i = 1;
    for (; i < argc - 1; ++i) {
        if (std::strcmp(argv[i], "-a") == 0) {
            adif = true;
        } else if (std::strcmp(argv[i], "-c") == 0 && i + 2 < argc) {
            callField = std::atoi(argv[++i]);
        } else {
            break;
        }
    }
    if (i != argc - 1 || (callField != 0 && callField < 6)) {
        std::fprintf(stderr, "usage: %s [-c CALL_FIELD>=6] LOG.cbr | %s -a LOG.adi\n", argv[0],
                     argv[0]);
        return 64;
    }
    const char* file = argv[i];
    if (tqsl_init() != 0) {
        std::fprintf(stderr, "tqsl_init: %s\n", LastError().c_str());
        return 3;
    }
    if (callField != 0 && !adif && !MapContest(file, callField)) {
        return 2;
    }
    return CheckLog(file, adif);
}
