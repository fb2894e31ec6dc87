// Listing, reading and naming the logs. Each log is read on its own: whatever is wrong with
// one file only leaves that file out.
#include "host/check/log_collection.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include "host/check/call_similarity.h"
#include "host/check/station_identity.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/station_call.h"
#include "host/common/text_util.h"

namespace {

namespace fs = std::filesystem;

bool IsLogFile(const fs::path& path) {
    const std::string extension = Lower(path.extension().string());
    return extension == ".log" || extension == ".cbr" || extension == ".adi" ||
           extension == ".adif";
}

// The files to read, each once, in name order.
std::vector<std::string> ListFiles(const std::vector<std::string>& inputs,
                                   std::vector<std::string>* errors) {
    std::vector<std::string> files;
    for (const std::string& input : inputs) {
        std::error_code error;
        if (!fs::is_directory(input, error)) {
            files.push_back(fs::path(input).lexically_normal().string());
            continue;
        }
        std::vector<std::string> inFolder;
        for (fs::directory_iterator it(input, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code typeError;
            if (it->is_regular_file(typeError) && IsLogFile(it->path())) {
                inFolder.push_back(it->path().lexically_normal().string());
            }
        }
        if (error) {
            errors->push_back(input + ": cannot list the folder: " + error.message());
        } else if (inFolder.empty()) {
            errors->push_back(input + ": no logs in this folder (.log, .cbr, .adi or .adif files)");
        }
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

// The CATEGORY- lines of a Cabrillo header, upper-cased, each once.
std::vector<std::pair<std::string, std::string>> CategoryLines(std::string_view bytes) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const std::string_view raw : Lines(WithoutByteOrderMark(bytes))) {
        const std::string line = Upper(Trim(raw));
        if (line.rfind("QSO:", 0) == 0) {
            break;
        }
        const std::size_t colon = line.find(':');
        if (line.rfind("CATEGORY-", 0) != 0 || colon == std::string::npos) {
            continue;
        }
        std::string key = Trim(line.substr(9, colon - 9));
        std::string value = Printable(Trim(line.substr(colon + 1)));
        if (!key.empty() && !value.empty() && value.size() <= 40 && found.size() < 12) {
            found.emplace_back(std::move(key), std::move(value));
        }
    }
    return found;
}

// The words of a line that could be a call, for an unreadable line's partner.
std::vector<std::string> CallsOnLine(std::string_view bytes, std::size_t lineNumber,
                                     const std::string& recordCall) {
    std::vector<std::string> calls;
    if (!recordCall.empty()) {
        calls.push_back(NormaliseCall(recordCall));
        return calls;
    }
    const std::vector<std::string_view> lines = Lines(WithoutByteOrderMark(bytes));
    if (lineNumber == 0 || lineNumber > lines.size()) {
        return calls;
    }
    std::string_view line = lines[lineNumber - 1];
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos) {
            break;
        }
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
        const std::string word = NormaliseCall(line.substr(0, end));
        if (HasCallSignShape(word) && calls.size() < 8) {
            calls.push_back(word);
        }
        line.remove_prefix(end);
    }
    return calls;
}

// Reads one file; false with the reason in *error.
bool ReadStationLog(const std::string& file, bool callFromName, StationLog* log,
                    std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(file, kLargestLogBytes, &bytes, error)) {
        return false;
    }
    LogReadResult read = ParseLog(bytes, file);
    // A log is left out only when nothing in it can be read; each line that cannot be read
    // stands in the findings with the reader's reason.
    if (read.qsos.empty()) {
        if (!read.errors.Any()) {
            *error = file + ": no QSO in this log";
            return false;
        }
        *error = read.errors.listed.front().Format();
        if (read.errors.total > 1) {
            *error += " (and " + std::to_string(read.errors.total - 1) + " more in this log)";
        }
        return false;
    }
    for (const InputError& fault : read.errors.listed) {
        if (fault.line == 0) {
            log->notes.push_back(fault.Format());
            continue;
        }
        log->unreadable.push_back(
            UnreadableLine{fault.line, fault.Format(), CallsOnLine(bytes, fault.line, fault.call)});
    }
    if (read.errors.total > read.errors.listed.size()) {
        log->notes.push_back(std::to_string(read.errors.total - read.errors.listed.size()) +
                             " more lines of this log cannot be read");
    }
    // The same tidying the plug-in's feed gets, so that calls and exchanges compare as the
    // plug-in will see them; the findings keep the order of the file.
    std::vector<std::string> tidied = TidyLog(&read.qsos, "");
    log->notes.insert(log->notes.end(), tidied.begin(), tidied.end());
    if (std::optional<std::string> note = TimeOrderNote(read.qsos)) {
        log->notes.push_back(std::move(*note));
    }
    const std::string named = callFromName ? CallOfFileName(file) : OwnCallOfLog(read);
    log->call = StationCallOfLines(read.qsos, named);
    if (log->call != named && !named.empty()) {
        log->headerCall = named;
        log->notes.push_back((callFromName ? "the file name says " : "the header says ") + named +
                             ", the QSO lines " + log->call + ": checked as " + log->call);
    }
    if (log->call.empty()) {
        *error = file +
                 ": the log names no station (CALLSIGN: or STATION_CALLSIGN); "
                 "--call-from-name takes it from the file name";
        return false;
    }
    if (!LooksLikeStationCall(log->call)) {
        *error = file + ": the station " + Shown(log->call) + " is not a call sign";
        return false;
    }
    log->file = file;
    log->qsos = std::move(read.qsos);
    if (read.format == LogFormat::Cabrillo) {
        log->categories = CategoryLines(bytes);
    }
    return true;
}

}  // namespace

CollectedLogs CollectLogs(const std::vector<std::string>& inputs, bool callFromName) {
    CollectedLogs result;
    const std::vector<std::string> files = ListFiles(inputs, &result.errors);
    std::map<std::string, StationLog> byCall;
    for (const std::string& file : files) {
        StationLog log;
        std::string error;
        if (!ReadStationLog(file, callFromName, &log, &error)) {
            result.errors.push_back(error);
            continue;
        }
        const auto [it, added] = byCall.emplace(std::string(BaseCall(log.call)), StationLog());
        if (added) {
            it->second = std::move(log);
            continue;
        }
        std::string reason;
        const bool replace = PreferredLog(log, it->second, &reason);
        const StationLog& kept = replace ? log : it->second;
        const StationLog& dropped = replace ? it->second : log;
        result.errors.push_back(log.call + ": two logs, " + dropped.file + " (" +
                                std::to_string(dropped.qsos.size()) + " QSOs) and " + kept.file +
                                " (" + std::to_string(kept.qsos.size()) + " QSOs); " + kept.file +
                                " is checked (" + reason + "), " + dropped.file + " left out");
        if (replace) {
            it->second = std::move(log);
        }
    }
    for (auto& [call, log] : byCall) {
        result.logs.push_back(std::move(log));
    }
    return result;
}
