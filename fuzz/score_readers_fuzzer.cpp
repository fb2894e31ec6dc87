// Feeds arbitrary bytes to the scorer's readers: the first byte picks ADIF (whole and
// streamed), Cabrillo, the content sniffing reader or the country file with a few lookups.
// Findings are crashes, sanitizer reports and readers that disagree with each other.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "host/common/adif_conversion.h"
#include "host/common/adif_reader.h"
#include "host/common/cabrillo_reader.h"
#include "host/common/cty_database.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/mode_family.h"

namespace {

void CheckAdif(std::string_view bytes) {
    const AdifParseResult parsed = ParseAdif(bytes, "log.adi");
    const LogReadResult whole = ConvertAdifRecords(parsed, "log.adi");
    const LogReadResult streamed = ReadAdifLog(bytes, "log.adi");
    // The streamed reader must agree with reading everything first.
    if (whole.errors.total != streamed.errors.total || whole.qsos.size() != streamed.qsos.size() ||
        whole.warnings.total != streamed.warnings.total) {
        std::abort();
    }
    for (const InputError& error : whole.errors.listed) {
        (void)error.Format();
    }
    for (const AdifRecord& record : parsed.records) {
        if (const std::string* mode = record.Find("MODE")) {
            const std::string* submode = record.Find("SUBMODE");
            const std::string_view sub = submode != nullptr ? *submode : std::string_view();
            (void)ContestMode(*mode, sub, ModeFamiliesOf(*mode, sub, false));
        }
        if (const std::string* freq = record.Find("FREQ")) {
            std::uint64_t hertz = 0;
            (void)ParseMegahertz(*freq, &hertz);
        }
    }
}

void CheckCty(std::string_view bytes) {
    // The country file and the calls to look up share the input: calls follow the last
    // zero byte.
    const size_t split = bytes.rfind('\0');
    const std::string_view file = split == std::string_view::npos ? bytes : bytes.substr(0, split);
    const std::string_view calls =
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    std::optional<InputError> error;
    const CtyDatabase cty = CtyDatabase::Parse(file, "cty.dat", &error);
    if (error) {
        (void)error->Format();
    }
    size_t start = 0;
    while (start <= calls.size()) {
        size_t end = calls.find('\n', start);
        if (end == std::string_view::npos) {
            end = calls.size();
        }
        if (const CtyEntity* entity = cty.Lookup(calls.substr(start, end - start))) {
            (void)entity->primaryPrefix.size();
        }
        start = end + 1;
    }
    for (const char* call : {"YO9XYZ", "DL/YO9XYZ", "YO9XYZ/P", "/", "//", "A/B/C", ""}) {
        (void)cty.Lookup(call);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
        case 0:
            CheckAdif(bytes);
            break;
        case 1: {
            const LogReadResult result = ParseCabrillo(bytes, "log.cbr");
            for (const InputError& error : result.errors.listed) {
                (void)error.Format();
            }
            break;
        }
        case 2: {
            const LogReadResult result = ParseLog(bytes, "log");
            if (LooksLikeCabrillo(bytes) && result.errors.Any()) {
                (void)result.errors.listed.front().Format();
            }
            break;
        }
        default:
            CheckCty(bytes);
            break;
    }
    return 0;
}
