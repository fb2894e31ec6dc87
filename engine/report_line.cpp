// Layout of the rejected-QSO report lines.
#include "engine/report_line.h"

#include "platform/date_time.h"

namespace {

constexpr const char* kSeparator = "  ";

}  // namespace

std::string ReportLinePrefix(const QsoArgs& args) {
    const uint32_t kHz = args.frequencyHz / 1000;
    std::string line = "QSO: ";
    if (kHz < 10000) {
        line += ' ';
    }
    line += std::to_string(kHz);
    const std::string fields[] = {args.mode,     FormatDateTime(args.time, "%Y-%m-%d %H%M"),
                                  args.ownCall,  args.rstSent,
                                  args.exchSent, args.call,
                                  args.rstRcvd,  args.exchRcvd};
    for (const std::string& field : fields) {
        line += kSeparator;
        line += field;
    }
    return line;
}

std::string CountyTail(const std::string& countyText) {
    return kSeparator + countyText + "  YO County Code not acceptable !!!";
}

std::string ReportLine(const std::string& prefix, const std::string& tail) {
    return prefix + tail + "\r\n";
}
