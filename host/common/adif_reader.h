// ADIF (.adi) reader: "<NAME:length[:type]>value" fields, an optional header closed by
// <EOH>, records closed by <EOR>. Names are case-insensitive; lengths count bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/common/log_qso.h"

struct AdifRecord {
    std::size_t number = 0;                                   // from 1, in file order
    std::size_t line = 0;                                     // the line of its first tag
    std::vector<std::pair<std::string, std::string>> fields;  // names upper-cased

    // The value of the first field of that (upper-case) name, or nullptr.
    const std::string* Find(std::string_view name) const;
};

struct AdifParseResult {
    std::vector<AdifRecord> records;
    std::optional<InputError> error;
    InputErrors warnings;
};

// Called with each record as it is completed; the record is reused for the next one.
// Returning false stops the scan (the caller keeps its own reason).
using AdifRecordSink = std::function<bool(const AdifRecord&)>;

// Streams the records of a byte buffer to the sink and returns the format error that ends
// the scan (after a broken tag nothing further can be trusted). A record field whose length
// leaves text before the next tag is a warning naming record and field.
// Works on a byte buffer so that a fuzzer can drive it; never reads outside the buffer.
std::optional<InputError> ScanAdif(std::string_view bytes, const std::string& fileName,
                                   const AdifRecordSink& sink, InputErrors* warnings);

// All records at once (small files, tests, fuzzing); after an error, those before it.
AdifParseResult ParseAdif(std::string_view bytes, const std::string& fileName);
