// Which calls a miscopied call may stand for: one character changed, added or dropped, two
// neighbouring characters swapped, or the same call with or without a portable part ("/P",
// "DL/").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Longer texts are no call sign: they are neither filed nor looked up, so a hostile log
// cannot make the index work in the square of their length.
constexpr std::size_t kLongestCall = 20;

// True when the two calls differ by exactly one changed, added or dropped character, or by
// two neighbouring characters swapped ("YO3ACB" for "YO3ABC").
bool OneSlipApart(std::string_view a, std::string_view b);

// True when one call may be a miscopy of the other: one slip apart, or the same call with a
// different portable part.
bool MayBeMiscopy(std::string_view a, std::string_view b);

// The call without its portable parts: the longest of its '/'-separated parts (the first
// of equal ones), so "YO9ABC/P", "DL/YO9ABC" and "YO9ABC" share "YO9ABC".
std::string_view BaseCall(std::string_view call);

// Finds, among a fixed list of calls, those near a given call, in time independent of the
// list's length: every call is filed under itself and under each one-character deletion
// of it, and a query looks up the same keys of its own call.
class NearCallIndex {
  public:
    explicit NearCallIndex(const std::vector<std::string>& calls);

    // Positions in the list of the calls that differ from `call` by one character, by two
    // neighbouring characters swapped or only by a portable part; never the position of
    // `call` itself. Ascending.
    std::vector<std::uint32_t> Near(std::string_view call) const;

  private:
    const std::vector<std::string>& m_calls;
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byDeletion;
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_byBase;
};
