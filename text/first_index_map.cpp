#include "text/first_index_map.h"

#include "text/error.h"

#include <functional>
#include <limits>

namespace tt {

std::uint32_t FirstIndexMap::hashOf(std::string_view key)
{
    const std::size_t h = std::hash<std::string_view>{}(key);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

std::size_t FirstIndexMap::slotFor(std::string_view key, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entryPlusOne == 0 || (slot.hash == hash && keyOf(entries_[slot.entryPlusOne - 1]) == key))
            return i;
    }
}

void FirstIndexMap::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{0, 0});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entryPlusOne == 0)
            continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].entryPlusOne != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

bool FirstIndexMap::insert(std::string_view key, std::size_t position)
{
    // Half full at most, so that probes stay short.
    if ((entries_.size() + 1) * 2 > slots_.size())
        grow();
    const std::uint32_t hash = hashOf(key);
    const std::size_t i = slotFor(key, hash);
    if (slots_[i].entryPlusOne != 0)
        return false;
    constexpr std::size_t kLimit = std::numeric_limits<std::uint32_t>::max();
    if (keys_.size() + key.size() > kLimit || entries_.size() + 1 >= kLimit)
        throw Error("Demasiados datos para una tabla de b\xFAsqueda");
    entries_.push_back({static_cast<std::uint32_t>(keys_.size()), static_cast<std::uint32_t>(key.size()), position});
    keys_ += key;
    slots_[i] = Slot{hash, static_cast<std::uint32_t>(entries_.size())};
    return true;
}

std::optional<std::size_t> FirstIndexMap::find(std::string_view key) const
{
    if (slots_.empty())
        return std::nullopt;
    const Slot& slot = slots_[slotFor(key, hashOf(key))];
    if (slot.entryPlusOne == 0)
        return std::nullopt;
    return entries_[slot.entryPlusOne - 1].position;
}

void appendKeyPart(std::string& key, std::string_view part)
{
    if (part.size() < 0xFF) {
        key += static_cast<char>(part.size());
    } else {
        key += '\xFF';
        const std::uint64_t size = part.size();
        for (int shift = 0; shift < 64; shift += 8)
            key += static_cast<char>((size >> shift) & 0xFF);
    }
    key += part;
}

}  // namespace tt
