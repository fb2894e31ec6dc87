// RecordIndex storage: linear probing in a power-of-two table kept at most half full.
#include "engine/record_index.h"

#include <functional>
#include <string_view>

namespace {

constexpr size_t kFirstCapacity = 64;

uint64_t Mix(uint64_t seed, uint64_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

}  // namespace

uint64_t RecordIndex::Hash(const std::string& first, const std::string& second,
                           const std::string& third) {
    const std::hash<std::string_view> hash;
    uint64_t value = Mix(0, hash(first));
    value = Mix(value, hash(second));
    value = Mix(value, hash(third));
    // Spread the high bits into the low ones that pick the slot.
    value ^= value >> 29;
    value *= 0xbf58476d1ce4e5b9ULL;
    return value ^ (value >> 32);
}

void RecordIndex::Clear() {
    m_slots.clear();
    m_mask = 0;
    m_used = 0;
}

void RecordIndex::Place(const Slot& slot) {
    size_t i = static_cast<size_t>(slot.hash) & m_mask;
    while (m_slots[i].position != kEmpty) {
        i = (i + 1) & m_mask;
    }
    m_slots[i] = slot;
}

void RecordIndex::Grow() {
    std::vector<Slot> old = std::move(m_slots);
    const size_t capacity = old.empty() ? kFirstCapacity : 2 * old.size();
    m_slots.assign(capacity, Slot{0, kEmpty});
    m_mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.position != kEmpty) {
            Place(slot);
        }
    }
}
