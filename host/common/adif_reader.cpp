// ADIF tag scanner. Text between tags (the header's free text, line breaks, comments) is
// skipped; a record still open at the end of the file is reported as truncated.
#include "host/common/adif_reader.h"

#include <utility>

#include "host/common/text_util.h"

namespace {

void UpperInto(std::string_view text, std::string* out) {
    out->assign(text.data(), text.size());
    for (char& c : *out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

// "<EOH>" or "<EOR>" anywhere, in any letter case.
bool ContainsTag(std::string_view bytes, std::string_view tag) {
    for (std::size_t pos = bytes.find('<'); pos != std::string_view::npos;
         pos = bytes.find('<', pos + 1)) {
        if (Upper(bytes.substr(pos, tag.size())) == tag) {
            return true;
        }
    }
    return false;
}

}  // namespace

const std::string* AdifRecord::Find(std::string_view name) const {
    for (const auto& field : fields) {
        if (field.first == name) {
            return &field.second;
        }
    }
    return nullptr;
}

std::optional<InputError> ScanAdif(std::string_view bytes, const std::string& fileName,
                                   const AdifRecordSink& sink, InputErrors* warnings) {
    // Lines and positions count from after the mark, which is no part of the text.
    bytes = WithoutByteOrderMark(bytes);
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return InputError{fileName, "", "", "the file is empty"};
    }
    std::size_t recordCount = 0;
    AdifRecord current;
    // Field slots are reused from record to record: a large log then costs no allocation
    // per field.
    std::size_t used = 0;
    // A file that opens with a tag has no header unless an <EOH> closes one further on.
    bool inHeader = bytes.front() != '<' || ContainsTag(bytes, "<EOH>");
    auto where = [&] {
        return inHeader ? std::string("header") : "record " + std::to_string(recordCount + 1);
    };
    // Lines are counted once, up to the furthest position asked about.
    std::size_t line = 1;
    std::size_t counted = 0;
    auto lineAt = [&](std::size_t position) {
        for (; counted < position; ++counted) {
            line += bytes[counted] == '\n' ? 1 : 0;
        }
        return line;
    };
    std::size_t tagStart = 0;
    auto fail = [&](const std::string& field, const std::string& message) {
        InputError error{fileName, where(), field, message, lineAt(tagStart), ""};
        for (std::size_t i = 0; i < used; ++i) {
            if (current.fields[i].first == "CALL") {
                error.call = Printable(current.fields[i].second);
            }
        }
        return error;
    };

    // The end of the value last read in a record, until the next tag shows whether its length
    // left text behind: a length that cuts a word ("<CALL:2>OT8P") or runs into the next
    // tag. The length still rules, as ADIF says; the reader is warned.
    std::size_t valueEnd = std::string_view::npos;
    auto checkValueEnd = [&](std::size_t next) {
        const std::size_t end = std::exchange(valueEnd, std::string_view::npos);
        if (end == std::string_view::npos || inHeader || warnings == nullptr) {
            return;
        }
        const std::string_view left = bytes.substr(end, next - end);
        if (left.find_first_not_of(" \t\r\n") != std::string_view::npos) {
            const auto& field = current.fields[used - 1];
            warnings->Add(fail(field.first, "length " + std::to_string(field.second.size()) +
                                                " leaves " + Shown(Trim(left)) +
                                                " before the next tag: " + Shown(field.second) +
                                                " is read (the stated length rules)"));
        }
    };

    std::string name;
    std::size_t pos = 0;
    while (true) {
        pos = bytes.find('<', pos);
        checkValueEnd(pos == std::string_view::npos ? bytes.size() : pos);
        if (pos == std::string_view::npos) {
            break;
        }
        tagStart = pos;
        const std::size_t close = bytes.find('>', pos + 1);
        if (close == std::string_view::npos) {
            return fail("",
                        "tag \"<" + Printable(bytes.substr(pos + 1)) + "\" is never closed by '>'");
        }
        const std::string_view tag = bytes.substr(pos + 1, close - pos - 1);
        const std::size_t colon = tag.find(':');
        UpperInto(tag.substr(0, colon), &name);
        if (colon == std::string_view::npos) {
            pos = close + 1;
            if (name == "EOH") {
                used = 0;
                inHeader = false;
            } else if (name == "EOR") {
                if (used > 0) {
                    current.number = ++recordCount;
                    current.fields.resize(used);
                    if (!sink(current)) {
                        return std::nullopt;
                    }
                    used = 0;
                }
                inHeader = false;
            } else {
                return fail(Printable(name), "the tag has no length");
            }
            continue;
        }
        if (name.empty()) {
            return fail("", "a tag without a field name");
        }
        const std::string_view rest = tag.substr(colon + 1);
        const std::string_view lengthText = rest.substr(0, rest.find(':'));
        if (lengthText.empty() || lengthText.size() > 9 ||
            lengthText.find_first_not_of("0123456789") != std::string_view::npos) {
            return fail(Printable(name),
                        "length \"" + Printable(lengthText) + "\" is not a number");
        }
        std::size_t length = 0;
        for (char digit : lengthText) {
            length = length * 10 + static_cast<std::size_t>(digit - '0');
        }
        const std::size_t valueStart = close + 1;
        if (length > bytes.size() - valueStart) {
            return fail(Printable(name), "length " + std::to_string(length) +
                                             " is longer than the rest of the file (" +
                                             std::to_string(bytes.size() - valueStart) + " bytes)");
        }
        if (used == 0) {
            current.line = lineAt(tagStart);
        }
        if (used == current.fields.size()) {
            current.fields.emplace_back();
        }
        current.fields[used].first = name;
        current.fields[used].second.assign(bytes.data() + valueStart, length);
        ++used;
        pos = valueStart + length;
        valueEnd = pos;
    }
    if (used > 0 && recordCount == 0 && !ContainsTag(bytes, "<EOR>")) {
        std::size_t calls = 0;
        for (std::size_t i = 0; i < used; ++i) {
            calls += current.fields[i].first == "CALL" ? 1 : 0;
        }
        if (calls > 0) {
            return InputError{
                fileName, "", "",
                "no <EOR> anywhere in the file: its " + std::to_string(calls) +
                    (calls == 1 ? " QSO record (one CALL field) is"
                                : " QSO records (" + std::to_string(calls) + " CALL fields) are") +
                    " never closed; ADIF ends every record with <EOR>"};
        }
    }
    if (used > 0) {
        return fail(current.fields[used - 1].first, "the record is truncated: no <EOR> follows it");
    }
    if (recordCount == 0) {
        return InputError{fileName, "", "", "no QSO records (no <EOR> found)"};
    }
    return std::nullopt;
}

AdifParseResult ParseAdif(std::string_view bytes, const std::string& fileName) {
    AdifParseResult result;
    result.error = ScanAdif(
        bytes, fileName,
        [&](const AdifRecord& record) {
            result.records.push_back(record);
            return true;
        },
        &result.warnings);
    return result;
}
