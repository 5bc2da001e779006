// Any bytes on the detector line: no value beyond full scale, no read or write outside the
// decoder's buffers (the sanitizers watch), and the same values whether the bytes come in one
// chunk or two.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "acq/DetectorFrames.h"

namespace {

struct Value {
    int channel;
    std::int32_t value;
    bool start;
    bool operator==(const Value&) const = default;
};

void Check(bool ok) {
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const lx::DecoderSettings settings{data[0] % 2 ? 20 : 10, static_cast<int>(data[1] % 20) - 2};
    const std::span<const std::uint8_t> line(data + 3, size - 3);
    std::vector<Value> whole, split;
    lx::DetectorDecoder one(settings, [&](int c, std::int32_t v, bool s) {
        Check(c == 0 || c == 1);
        Check(v >= -lx::kFullScale && v <= lx::kFullScale);
        whole.push_back({c, v, s});
    });
    one.Feed(line);
    lx::DetectorDecoder two(settings, [&](int c, std::int32_t v, bool s) {
        split.push_back({c, v, s});
    });
    const std::size_t cut = line.empty() ? 0 : data[2] % (line.size() + 1);
    two.Feed(line.first(cut));
    two.Feed(line.subspan(cut));
    Check(whole == split);
    return 0;
}
