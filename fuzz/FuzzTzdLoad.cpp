// Any bytes given to the chromatogram loader: a record or a message, never a crash; and a
// record that loads comes back through a save and a load unchanged.
#include "core/TzdFile.h"
#include "fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lx::fuzz::CheckRoundTrip(
        {data, size}, [](auto bytes, const char* name) { return lx::LoadTzdBytes(bytes, name); });
    return 0;
}
