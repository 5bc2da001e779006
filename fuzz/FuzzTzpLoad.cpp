// Any bytes given to the method project loader: a project or a message, never a crash; and a
// project that loads comes back through a save and a load unchanged.
#include "fuzz/RoundTrip.h"
#include "quant/TzpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lx::fuzz::CheckRoundTrip(
        {data, size}, [](auto bytes, const char* name) { return lx::LoadTzpBytes(bytes, name); });
    return 0;
}
