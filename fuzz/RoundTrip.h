#pragma once
// What every loader's fuzz target checks: bytes that load must store, load and store again to
// the very same bytes (nothing is lost or invented between a load and a save).

#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/Archive.h"

namespace lx::fuzz {

// `load(bytes, name)` returns a Result of a record with Serialize(ArchiveWriter&).
template <class Load>
void CheckRoundTrip(std::span<const std::uint8_t> bytes, Load load) {
    auto record = load(bytes, "fuzz");
    if (!record.ok())
        return;
    ArchiveWriter first;
    record->Serialize(first);
    auto again = load(first.Bytes(), "again");
    if (!again.ok())
        std::abort();
    ArchiveWriter second;
    again->Serialize(second);
    if (second.Bytes() != first.Bytes())
        std::abort();
}

}  // namespace lx::fuzz
