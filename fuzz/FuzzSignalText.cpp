// Any bytes given to import-text as a signal file: samples or a message, never a crash and
// never more memory than the input bears. The bytes are a file in memory, read by path as the
// command reads its file (the reader makes several passes).
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "core/FileIo.h"
#include "interchange/tables/SignalImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("signal", 0);
    if (fd < 0 || !lx::WriteFully(fd, data, size)) {
        if (fd >= 0)
            ::close(fd);
        return 0;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    // Without a rate to resample at, every sample comes from a line of the input, so the work
    // stays in proportion to it; resampling may legitimately make a long run of a short file
    // (up to the import's bound), which would only slow the search down.
    for (lx::SignalTimeUnit unit : {lx::SignalTimeUnit::kMinutes, lx::SignalTimeUnit::kSeconds}) {
        lx::SignalImportOptions options;
        options.m_TimeUnit = unit;
        lx::ImportSignalText(path, options);
    }
    ::close(fd);
    return 0;
}
