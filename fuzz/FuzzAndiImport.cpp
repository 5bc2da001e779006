// Any bytes given to the ANDI/AIA import: a chromatogram or a message, never a crash and never
// an allocation the bytes do not bear; and a chromatogram that imports goes out as an ANDI
// file and comes back with the same samples at the same rate.
#include <cstdlib>

#include "core/Prompter.h"
#include "interchange/andi/AndiExport.h"
#include "interchange/andi/AndiImport.h"

namespace {

class Silent : public lx::Prompter {
public:
    bool Confirm(const std::string&) override { return false; }
    void Inform(const std::string&, Icon) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Silent prompter;
    const std::span<const std::uint8_t> bytes(data, size);
    // Resampling at one a second keeps a hostile interval's run short.
    lx::ImportAndiBytes(bytes, "fuzz", {.keepPeaks = false, .rate = 1}, prompter);
    auto doc = lx::ImportAndiBytes(bytes, "fuzz", {.keepPeaks = true, .rate = {}}, prompter);
    if (!doc.ok())
        return 0;
    auto written = lx::AndiFileBytes(doc.value(), "again");
    if (!written.ok())
        std::abort();
    auto again =
        lx::ImportAndiBytes(written.value(), "again", {.keepPeaks = true, .rate = {}}, prompter);
    if (!again.ok() || !(again->m_Samples == doc->m_Samples) ||
        again->m_ChannelSetup.rate != doc->m_ChannelSetup.rate)
        std::abort();
    return 0;
}
