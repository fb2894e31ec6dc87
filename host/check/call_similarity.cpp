// One-edit comparison and the deletion-neighbourhood index of the submitted calls.
#include "host/check/call_similarity.h"

#include <algorithm>

bool OneSlipApart(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        // Two neighbouring characters swapped: the commonest typing slip.
        std::size_t first = 0;
        while (first < a.size() && a[first] == b[first]) {
            ++first;
        }
        if (first + 1 < a.size() && a[first] == b[first + 1] && a[first + 1] == b[first] &&
            a.substr(first + 2) == b.substr(first + 2)) {
            return true;
        }
    }
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    if (a.size() - b.size() > 1) {
        return false;
    }
    std::size_t first = 0;
    while (first < b.size() && a[first] == b[first]) {
        ++first;
    }
    if (a.size() == b.size()) {
        // Exactly one position differs.
        return first < a.size() && a.substr(first + 1) == b.substr(first + 1);
    }
    // `a` has one character more: drop it at the first difference.
    return a.substr(first + 1) == b.substr(first);
}

bool MayBeMiscopy(std::string_view a, std::string_view b) {
    return a != b && (OneSlipApart(a, b) || BaseCall(a) == BaseCall(b));
}

std::string_view BaseCall(std::string_view call) {
    std::string_view best;
    std::size_t start = 0;
    while (start <= call.size()) {
        std::size_t end = call.find('/', start);
        if (end == std::string_view::npos) {
            end = call.size();
        }
        const std::string_view part = call.substr(start, end - start);
        if (part.size() > best.size()) {
            best = part;
        }
        start = end + 1;
    }
    return best;
}

NearCallIndex::NearCallIndex(const std::vector<std::string>& calls) : m_calls(calls) {
    for (std::uint32_t i = 0; i < calls.size(); ++i) {
        const std::string& call = calls[i];
        if (call.size() > kLongestCall) {
            continue;
        }
        m_byDeletion[call].push_back(i);
        for (std::size_t pos = 0; pos < call.size(); ++pos) {
            std::string key = call;
            key.erase(pos, 1);
            std::vector<std::uint32_t>& list = m_byDeletion[key];
            // "AAB" gives "AB" twice; file the call once.
            if (list.empty() || list.back() != i) {
                list.push_back(i);
            }
        }
        m_byBase[std::string(BaseCall(call))].push_back(i);
    }
}

std::vector<std::uint32_t> NearCallIndex::Near(std::string_view call) const {
    std::vector<std::uint32_t> found;
    if (call.size() > kLongestCall) {
        return found;
    }
    const auto collect = [&](const std::string& key) {
        const auto hit = m_byDeletion.find(key);
        if (hit == m_byDeletion.end()) {
            return;
        }
        for (const std::uint32_t i : hit->second) {
            if (OneSlipApart(call, m_calls[i])) {
                found.push_back(i);
            }
        }
    };
    const std::string whole(call);
    collect(whole);
    for (std::size_t pos = 0; pos < whole.size(); ++pos) {
        std::string key = whole;
        key.erase(pos, 1);
        collect(key);
    }
    const auto base = m_byBase.find(std::string(BaseCall(call)));
    if (base != m_byBase.end()) {
        for (const std::uint32_t i : base->second) {
            if (m_calls[i] != call) {
                found.push_back(i);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
