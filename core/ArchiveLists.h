#pragma once
// Counted lists of records in an archive: a 32-bit count, then the records. A record with a
// field list is stored through it; one that still has its own Store and Load (records of the
// method project that do not list their fields yet) through those.

#include <cstdint>
#include <vector>

#include "core/Archive.h"
#include "core/ArchiveFields.h"

namespace lx {

template <class Item>
void StoreList(ArchiveWriter& ar, const std::vector<Item>& items) {
    ar.WriteU32(static_cast<std::uint32_t>(items.size()));
    for (const auto& item : items) {
        if constexpr (FieldRecord<Item>)
            StoreFields(ar, item);
        else
            item.Store(ar);
    }
}

// Reads a counted list of records that take at least `minItemSize` bytes each; false (and a
// failed reader) when the count cannot be true for the bytes left or the records run out.
template <class Item>
bool LoadList(ArchiveReader& ar, std::vector<Item>& items, std::uint64_t minItemSize) {
    const std::uint32_t count = ar.ReadU32();
    if (!ar.CheckCount(count, minItemSize))
        return false;
    items.assign(count, Item{});
    for (auto& item : items) {
        if constexpr (FieldRecord<Item>)
            LoadFields(ar, item);
        else
            item.Load(ar);
    }
    return !ar.Failed();
}

}  // namespace lx
