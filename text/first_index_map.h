#pragma once
// A compact map from byte-string keys to the position of the first item
// that had each key, as a walk from the start finds the first match. Keys
// live in one buffer and the table holds only small fixed-size slots, so
// that lookups stay in the processor's caches even while large tables
// stream past.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tt {

class FirstIndexMap {
public:
    // Records the position for the key unless the key is already there;
    // answers whether it was recorded.
    bool insert(std::string_view key, std::size_t position);
    std::optional<std::size_t> find(std::string_view key) const;
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::uint32_t keyOffset, keyLength;
        std::size_t position;
    };
    struct Slot {
        std::uint32_t hash;
        std::uint32_t entryPlusOne;  // 0: empty
    };
    static std::uint32_t hashOf(std::string_view key);
    std::string_view keyOf(const Entry& e) const { return std::string_view(keys_).substr(e.keyOffset, e.keyLength); }
    // The key's slot, or the empty slot where it would go.
    std::size_t slotFor(std::string_view key, std::uint32_t hash) const;
    void grow();

    std::string keys_;
    std::vector<Entry> entries_;
    std::vector<Slot> slots_;
};

// Appends one part of a key made of several texts: each part preceded by
// its length, so that no two different tuples give the same key.
void appendKeyPart(std::string& key, std::string_view part);

// A key of one or more texts, in a buffer used again for every lookup.
class LookupKey {
public:
    std::string_view of(std::initializer_list<std::string_view> parts)
    {
        key_.clear();
        for (std::string_view part : parts)
            appendKeyPart(key_, part);
        return key_;
    }

private:
    std::string key_;
};

}  // namespace tt
