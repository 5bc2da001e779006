// Any bytes given to the report file reader: paragraphs or a message, never a crash; and what
// reads comes back through the writer and the reader unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "report/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lx::Result<lx::RtfContent> first = lx::ParseRtf(bytes);
    if (!first.ok())
        return 0;
    const std::string written = lx::RtfOf(first.value());
    const lx::Result<lx::RtfContent> again = lx::ParseRtf(written);
    if (!again.ok() || !(again.value() == first.value()) || lx::RtfOf(again.value()) != written)
        std::abort();
    return 0;
}
