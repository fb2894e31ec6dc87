// ADIF tag scanner. Text between tags (the header's free text, line breaks, comments) is
// skipped; a record still open at the end of the file is reported as truncated.
#include "host/score/adif_reader.h"

#include <cctype>

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Printable(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 0x20 && byte < 0x7f ? c : '?';
    }
    return out;
}

bool ContainsEoh(std::string_view bytes) {
    for (std::size_t pos = bytes.find('<'); pos != std::string_view::npos;
         pos = bytes.find('<', pos + 1)) {
        if (Upper(bytes.substr(pos, 5)) == "<EOH>") {
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

AdifParseResult ParseAdif(std::string_view bytes, const std::string& fileName) {
    AdifParseResult result;
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        result.error = InputError{fileName, "", "", "the file is empty"};
        return result;
    }
    AdifRecord current;
    // A file that opens with a tag has no header unless an <EOH> closes one further on.
    bool inHeader = bytes.front() != '<' || ContainsEoh(bytes);
    auto where = [&] {
        return inHeader ? std::string("header")
                        : "record " + std::to_string(result.records.size() + 1);
    };
    auto fail = [&](const std::string& field, const std::string& message) {
        result.error = InputError{fileName, where(), field, message};
        result.records.clear();
        return result;
    };

    std::size_t pos = 0;
    while (true) {
        pos = bytes.find('<', pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t close = bytes.find('>', pos + 1);
        if (close == std::string_view::npos) {
            return fail("",
                        "tag \"<" + Printable(bytes.substr(pos + 1)) + "\" is never closed by '>'");
        }
        const std::string_view tag = bytes.substr(pos + 1, close - pos - 1);
        const std::size_t colon = tag.find(':');
        const std::string name = Upper(tag.substr(0, colon));
        if (colon == std::string_view::npos) {
            pos = close + 1;
            if (name == "EOH") {
                current.fields.clear();
                inHeader = false;
            } else if (name == "EOR") {
                if (!current.fields.empty()) {
                    current.number = result.records.size() + 1;
                    result.records.push_back(std::move(current));
                    current = AdifRecord{};
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
        const std::size_t length = std::stoul(std::string(lengthText));
        const std::size_t valueStart = close + 1;
        if (length > bytes.size() - valueStart) {
            return fail(Printable(name), "length " + std::to_string(length) +
                                             " is longer than the rest of the file (" +
                                             std::to_string(bytes.size() - valueStart) + " bytes)");
        }
        current.fields.emplace_back(name, std::string(bytes.substr(valueStart, length)));
        pos = valueStart + length;
    }
    if (!current.fields.empty()) {
        return fail(current.fields.back().first, "the record is truncated: no <EOR> follows it");
    }
    if (result.records.empty()) {
        result.error = InputError{fileName, "", "", "no QSO records (no <EOR> found)"};
    }
    return result;
}
