// Any bytes given to the chromatogram loader: a record or a message, never a crash; and a
// record that loads must store, load and store again to the very same bytes.
#include <cstdint>
#include <cstdlib>

#include "core/Archive.h"
#include "core/TzdFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto doc = lx::LoadTzdBytes({data, size}, "fuzz");
    if (!doc.ok())
        return 0;
    lx::ArchiveWriter first;
    doc->Serialize(first);
    auto again = lx::LoadTzdBytes(first.Bytes(), "again");
    if (!again.ok())
        std::abort();
    lx::ArchiveWriter second;
    again->Serialize(second);
    if (second.Bytes() != first.Bytes())
        std::abort();
    return 0;
}
