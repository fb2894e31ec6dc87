// RecordIndex: a flat hash set over the records of the QSO log, keyed by three of their
// texts. Each slot holds the key's hash and the position of the first record with that key;
// equality is settled against that record, so the index stores no texts of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class RecordIndex {
  public:
    // Hash of a key of three texts (order matters).
    static uint64_t Hash(const std::string& first, const std::string& second,
                         const std::string& third);

    // True when a record with this key is indexed; sameKey(position) tells whether the
    // record at that position has the key.
    template <class SameKey>
    bool Contains(uint64_t hash, SameKey&& sameKey) const {
        if (m_slots.empty()) {
            return false;
        }
        for (size_t i = static_cast<size_t>(hash) & m_mask;; i = (i + 1) & m_mask) {
            const Slot& slot = m_slots[i];
            if (slot.position == kEmpty) {
                return false;
            }
            if (slot.hash == hash && sameKey(slot.position)) {
                return true;
            }
        }
    }

    // Indexes the record at the position unless a record with its key is indexed already.
    template <class SameKey>
    void Add(uint64_t hash, uint32_t position, SameKey&& sameKey) {
        if (Contains(hash, sameKey)) {
            return;
        }
        if (2 * (m_used + 1) > m_slots.size()) {
            Grow();
        }
        Place(Slot{hash, position});
        ++m_used;
    }

    void Clear();

  private:
    static constexpr uint32_t kEmpty = UINT32_MAX;
    struct Slot {
        uint64_t hash;
        uint32_t position;
    };

    void Place(const Slot& slot);
    void Grow();

    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_used = 0;
};
