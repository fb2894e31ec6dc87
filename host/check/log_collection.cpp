// Listing, reading and naming the logs. Each log is read on its own: whatever is wrong with
// one file only leaves that file out.
#include "host/check/log_collection.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

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

std::string CallOfFileName(const std::string& file) {
    std::string stem = Upper(fs::path(file).stem().string());
    std::replace(stem.begin(), stem.end(), '_', '/');
    return stem;
}

// Reads one file; false with the reason in *error.
bool ReadStationLog(const std::string& file, bool callFromName, StationLog* log,
                    std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(file, kLargestLogBytes, &bytes, error)) {
        return false;
    }
    LogReadResult read = ParseLog(bytes, file);
    if (read.errors.Any()) {
        *error = read.errors.listed.front().Format();
        if (read.errors.total > 1) {
            *error += " (and " + std::to_string(read.errors.total - 1) + " more in this log)";
        }
        return false;
    }
    // The same tidying the plug-in's feed gets, so that calls and exchanges compare as the
    // plug-in will see them; the findings keep the order of the file.
    log->notes = TidyLog(&read.qsos, "");
    if (std::optional<std::string> note = TimeOrderNote(read.qsos)) {
        log->notes.push_back(std::move(*note));
    }
    log->call = callFromName ? CallOfFileName(file) : OwnCallOfLog(read);
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
        const auto [it, added] = byCall.emplace(log.call, StationLog());
        if (!added) {
            result.errors.push_back(log.call + ": two logs, " + it->second.file + " and " + file +
                                    "; " + it->second.file + " is checked, " + file + " left out");
            continue;
        }
        it->second = std::move(log);
    }
    for (auto& [call, log] : byCall) {
        result.logs.push_back(std::move(log));
    }
    return result;
}
