// Any bytes given to the method project loader: a project or a message, never a crash; a
// project that loads stores, loads and stores again to the very same bytes.
#include <cstdint>
#include <cstdlib>

#include "core/Archive.h"
#include "quant/TzpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto project = lx::LoadTzpBytes({data, size}, "fuzz");
    if (!project.ok())
        return 0;
    lx::ArchiveWriter first;
    project->Serialize(first);
    auto again = lx::LoadTzpBytes(first.Bytes(), "again");
    if (!again.ok())
        std::abort();
    lx::ArchiveWriter second;
    again->Serialize(second);
    if (second.Bytes() != first.Bytes())
        std::abort();
    return 0;
}
