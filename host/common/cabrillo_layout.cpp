// The layout of a log's QSO lines is learnt from the log itself: first the lines whose worked
// call is plain (one token after the sent exchange has a call sign's shape) show the column
// and position where the log keeps it; then every line is split by that, and the exchanges by
// what most lines hold (an RST column, the number of received parts, a transmitter id).
#include "host/common/cabrillo_layout.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>

#include "host/common/station_call.h"
#include "host/common/text_util.h"

namespace {

constexpr std::size_t kSentCallIndex = 4;
constexpr std::size_t kTabWidth = 8;

// The value most often counted, when it is at least `share` percent of `total` and seen
// at least twice.
template <class Key>
std::optional<Key> Dominant(const std::map<Key, std::size_t>& counts, std::size_t total,
                            std::size_t share) {
    const auto best =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (best == counts.end() || best->second < 2 || best->second * 100 < total * share) {
        return std::nullopt;
    }
    return best->first;
}

bool IsRst(std::string_view token) {
    const auto digitOrN = [](char c) { return (c >= '1' && c <= '9') || c == 'N' || c == 'n'; };
    return (token.size() == 2 || token.size() == 3) && token[0] >= '1' && token[0] <= '5' &&
           digitOrN(token[1]) && (token.size() == 2 || digitOrN(token[2]));
}

bool IsTransmitterId(std::string_view token) {
    return token.size() == 1 && token[0] >= '0' && token[0] <= '9';
}

bool HasDigit(std::string_view token) {
    return token.find_first_of("0123456789") != std::string_view::npos;
}

bool SameCall(std::string_view a, std::string_view b) {
    return !a.empty() && Upper(a) == Upper(b);
}

// The sent exchange repeats its constant parts (an RST, a district code, a locator, a name)
// on every line: a value found at one position on most lines of a log of three or more.
class SentConstants {
  public:
    explicit SentConstants(const std::vector<CabrilloQsoTokens>& lines) : m_lines(lines.size()) {
        for (const CabrilloQsoTokens& tokens : lines) {
            for (std::size_t i = kSentCallIndex + 1; i < tokens.size(); ++i) {
                if (i >= m_counts.size()) {
                    m_counts.resize(i + 1);
                }
                ++m_counts[i][Upper(tokens[i].text)];
            }
        }
    }

    bool Contains(std::size_t index, std::string_view token) const {
        if (m_lines < 3 || index >= m_counts.size()) {
            return false;
        }
        const auto found = m_counts[index].find(Upper(token));
        return found != m_counts[index].end() && found->second * 10 >= m_lines * 6;
    }

  private:
    std::size_t m_lines;
    std::vector<std::unordered_map<std::string, std::size_t>> m_counts;
};

struct Candidates {
    std::vector<std::size_t> shaped;  // tokens with a call sign's shape
    std::vector<std::size_t> weak;    // others with a letter before a digit
};

Candidates CandidatesOf(const CabrilloQsoTokens& tokens, std::size_t sentFirst,
                        std::string_view headerCall, const SentConstants& constants) {
    const std::string_view sentCall =
        sentFirst > kSentCallIndex ? tokens[kSentCallIndex].text : std::string_view();
    Candidates found;
    Candidates constant;
    for (std::size_t i = sentFirst; i < tokens.size(); ++i) {
        const std::string_view text = tokens[i].text;
        if (SameCall(text, sentCall) || SameCall(text, headerCall)) {
            continue;
        }
        Candidates& into = constants.Contains(i, text) ? constant : found;
        if (HasCallSignShape(text)) {
            into.shaped.push_back(i);
        } else if (HasLetterBeforeDigit(text)) {
            into.weak.push_back(i);
        }
    }
    // A log of one station worked again and again repeats the worked call as well: the
    // constant values count when nothing else is left.
    if (found.shaped.empty()) {
        found.shaped = constant.shaped;
    }
    if (found.weak.empty()) {
        found.weak = constant.weak;
    }
    return found;
}

// Where the log keeps its worked calls: a column relative to the sent call (fixed-column
// writers) and a token position (blank- or tab-separated writers).
struct CallPlace {
    std::optional<std::size_t> column;
    std::optional<std::size_t> index;

    bool Holds(const CabrilloQsoTokens& tokens, std::size_t i) const {
        return (column && RelativeColumn(tokens, i) == *column) || (index && i == *index);
    }

    static std::size_t RelativeColumn(const CabrilloQsoTokens& tokens, std::size_t i) {
        return tokens[i].column - tokens[kSentCallIndex].column;
    }
};

CallPlace LearnCallPlace(const std::vector<CabrilloQsoTokens>& lines,
                         const std::vector<Candidates>& candidates) {
    std::map<std::size_t, std::size_t> columns;
    std::map<std::size_t, std::size_t> indices;
    std::size_t plain = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (candidates[line].shaped.size() == 1) {
            const std::size_t i = candidates[line].shaped.front();
            ++columns[CallPlace::RelativeColumn(lines[line], i)];
            ++indices[i];
            ++plain;
        }
    }
    return {Dominant(columns, plain, 50), Dominant(indices, plain, 50)};
}

std::string Quoted(const CabrilloQsoTokens& tokens, std::size_t i) {
    return Shown(tokens[i].text);
}

// The worked call of one line and, when it is a guess, why.
std::size_t ChooseWorkedCall(const CabrilloQsoTokens& tokens, const Candidates& candidates,
                             const CallPlace& place, std::string* doubt) {
    const std::vector<std::size_t>& shaped = candidates.shaped;
    for (const std::size_t i : shaped) {
        if (place.Holds(tokens, i)) {
            return i;
        }
    }
    if (!shaped.empty()) {
        if (shaped.size() > 1) {
            *doubt = "both " + Quoted(tokens, shaped[0]) + " and " + Quoted(tokens, shaped[1]) +
                     " could be the worked call, and the log's other lines do not tell: read " +
                     Quoted(tokens, shaped[0]);
        }
        return shaped.front();
    }
    const std::vector<std::size_t>& weak = candidates.weak;
    for (const std::size_t i : weak) {
        if (place.Holds(tokens, i)) {
            *doubt = "no token has a call sign's shape: read " + Quoted(tokens, i) +
                     ", where the log's other lines have their worked call";
            return i;
        }
    }
    if (!weak.empty() && !place.column && !place.index) {
        *doubt = "no token has a call sign's shape: read " + Quoted(tokens, weak.front());
        return weak.front();
    }
    return 0;
}

// What most lines of the log hold on one side of the exchange: whether it opens with an RST,
// the RST most written and the number of parts.
struct ExchangeShape {
    bool rstColumn = false;
    std::string usualRst;
    std::size_t usualParts = 0;
};

ExchangeShape LearnShape(const std::vector<std::vector<std::string_view>>& exchanges) {
    std::map<std::size_t, std::size_t> parts;
    std::map<std::string, std::size_t> rsts;
    std::size_t multiPart = 0;
    std::size_t rstFirst = 0;
    for (const auto& exchange : exchanges) {
        ++parts[exchange.size()];
        if (exchange.size() >= 2) {
            ++multiPart;
            if (IsRst(exchange.front())) {
                ++rstFirst;
                ++rsts[Upper(exchange.front())];
            }
        }
    }
    ExchangeShape shape;
    shape.rstColumn = multiPart > 0 && rstFirst * 2 >= multiPart;
    shape.usualRst = Dominant(rsts, rstFirst, 0).value_or(std::string());
    const auto best =
        std::max_element(parts.begin(), parts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    shape.usualParts = best == parts.end() ? 0 : best->first;
    return shape;
}

// An exchange opens with an RST where the log has an RST column, unless the line lacks a
// part and its lone first part is no usual RST (a serial such as 15 looks like one).
bool OpensWithRst(const std::vector<std::string_view>& exchange, const ExchangeShape& shape) {
    if (exchange.empty() || !shape.rstColumn || !IsRst(exchange.front())) {
        return false;
    }
    return exchange.size() >= shape.usualParts || Upper(exchange.front()) == shape.usualRst;
}

// The marks loggers write after a QSO's exchange, never a part of one.
bool IsMark(std::string_view token) {
    const std::string word = Upper(token);
    return word == "DUPE" || word == "DUP" || word == "NIL";
}

// A word without a digit set apart from the part before it by more than one blank.
bool IsApartWord(const CabrilloQsoTokens& tokens, std::size_t i) {
    const CabrilloToken& before = tokens[i - 1];
    return !HasDigit(tokens[i].text) && tokens[i].column > before.column + before.text.size() + 1;
}

std::vector<std::string_view> Texts(const CabrilloQsoTokens& tokens, std::size_t from,
                                    std::size_t to) {
    std::vector<std::string_view> texts;
    for (std::size_t i = from; i < to; ++i) {
        texts.push_back(tokens[i].text);
    }
    return texts;
}

}  // namespace

CabrilloQsoTokens TokensOfQsoLine(std::string_view line) {
    CabrilloQsoTokens tokens;
    std::size_t column = 0;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == ' ' || line[pos] == '\t') {
            column = line[pos] == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
            ++pos;
            continue;
        }
        std::size_t end = line.find_first_of(" \t", pos);
        if (end == std::string_view::npos) {
            end = line.size();
        }
        tokens.push_back({line.substr(pos, end - pos), column});
        column += end - pos;
        pos = end;
    }
    return tokens;
}

namespace {

// The worked call of every line, from the place the log's plain lines keep it.
void FindWorkedCalls(const std::vector<CabrilloQsoTokens>& lines, std::string_view headerCall,
                     std::vector<CabrilloSplit>* splits) {
    const SentConstants constants(lines);
    std::vector<Candidates> candidates(lines.size());
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const CabrilloQsoTokens& tokens = lines[line];
        CabrilloSplit& split = (*splits)[line];
        // A line without a sent call opens its sent exchange where the call would stand.
        const std::string_view first = tokens[kSentCallIndex].text;
        split.hasSentCall = HasLetterBeforeDigit(first) || SameCall(first, headerCall);
        split.sentFirst = kSentCallIndex + (split.hasSentCall ? 1 : 0);
        candidates[line] = CandidatesOf(tokens, split.sentFirst, headerCall, constants);
    }
    const CallPlace place = LearnCallPlace(lines, candidates);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        CabrilloSplit& split = (*splits)[line];
        split.workedCall = ChooseWorkedCall(lines[line], candidates[line], place, &split.doubt);
        split.receivedEnd = lines[line].size();
    }
}

// Drops what follows the received exchange on every line: the transmitter id and the
// marks. Returns, for each line, where its received exchange ended before the marks.
std::vector<std::size_t> DropTransmitterIdsAndMarks(const std::vector<CabrilloQsoTokens>& lines,
                                                    std::vector<CabrilloSplit>* splits) {
    std::size_t found = 0;
    std::size_t endingInDigit = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const CabrilloSplit& split = (*splits)[line];
        if (split.workedCall != 0) {
            ++found;
            endingInDigit +=
                split.receivedEnd > split.workedCall + 1 && IsTransmitterId(lines[line].back().text)
                    ? 1
                    : 0;
        }
    }
    // Cabrillo 3.0 puts a transmitter id (0 or 1) after the received exchange of every line
    // of a multi-transmitter log: a log has it when nearly all of its lines end in one digit
    // (a serial under 10 ends a few lines of any log). A log of one line has it when its
    // received half is the longer one.
    const bool idColumn = endingInDigit * 10 >= found * 9 && (endingInDigit >= 2 || found == 1);
    std::vector<std::size_t> exchangeEnd(lines.size(), 0);
    for (std::size_t line = 0; line < lines.size(); ++line) {
        CabrilloSplit& split = (*splits)[line];
        const CabrilloQsoTokens& tokens = lines[line];
        if (split.workedCall == 0) {
            continue;
        }
        const std::size_t sentParts = split.workedCall - split.sentFirst;
        const std::size_t receivedParts = split.receivedEnd - split.workedCall - 1;
        if (idColumn && receivedParts > 0 && IsTransmitterId(tokens.back().text) &&
            (found > 1 || receivedParts > sentParts)) {
            --split.receivedEnd;
        }
        exchangeEnd[line] = split.receivedEnd;
        while (split.receivedEnd > split.workedCall + 1 &&
               IsMark(tokens[split.receivedEnd - 1].text)) {
            --split.receivedEnd;
        }
    }
    return exchangeEnd;
}

// The RSTs and the end of each received exchange, by what most lines of the log hold.
void SplitExchanges(const std::vector<CabrilloQsoTokens>& lines,
                    const std::vector<std::size_t>& exchangeEnd,
                    std::vector<CabrilloSplit>* splits) {
    std::vector<std::vector<std::string_view>> sent;
    std::vector<std::vector<std::string_view>> received;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const CabrilloSplit& split = (*splits)[line];
        if (split.workedCall != 0) {
            sent.push_back(Texts(lines[line], split.sentFirst, split.workedCall));
            received.push_back(Texts(lines[line], split.workedCall + 1, split.receivedEnd));
        }
    }
    const ExchangeShape sentShape = LearnShape(sent);
    const ExchangeShape receivedShape = LearnShape(received);
    std::size_t next = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        CabrilloSplit& split = (*splits)[line];
        const CabrilloQsoTokens& tokens = lines[line];
        if (split.workedCall == 0) {
            continue;
        }
        // Beside the marks, a word without a digit after the usual received exchange, set
        // apart by a wider gap than one blank, is a logger's comment, not a part of it; one
        // blank away it may be one ("012 BV", which the plug-in joins).
        std::size_t end = split.receivedEnd;
        while (end - split.workedCall - 1 > receivedShape.usualParts &&
               IsApartWord(tokens, end - 1)) {
            --end;
        }
        for (std::size_t i = end; i < exchangeEnd[line]; ++i) {
            split.ignored += (split.ignored.empty() ? "" : " ") + std::string(tokens[i].text);
        }
        split.receivedEnd = end;
        split.sentRst = OpensWithRst(sent[next], sentShape);
        split.receivedRst = OpensWithRst(Texts(tokens, split.workedCall + 1, end), receivedShape);
        ++next;
    }
}

}  // namespace

std::vector<CabrilloSplit> SplitQsoLines(const std::vector<CabrilloQsoTokens>& lines,
                                         std::string_view headerCall) {
    std::vector<CabrilloSplit> splits(lines.size());
    FindWorkedCalls(lines, headerCall, &splits);
    const std::vector<std::size_t> exchangeEnd = DropTransmitterIdsAndMarks(lines, &splits);
    SplitExchanges(lines, exchangeEnd, &splits);
    return splits;
}
