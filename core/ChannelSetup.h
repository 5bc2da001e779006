#pragma once
// How a channel acquires and names its runs; every chromatogram keeps the one it was made with.

#include <cstdint>
#include <string>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

struct ChannelSetup {
    std::int32_t unnamedA = 0;  // carried unchanged
    std::int32_t runKind = 1;   // 0 standard run, 1 sample run
    double stopTime = 100.0;    // run length, minutes
    double lockTime = 0.0;      // minutes
    std::int32_t zeroAtStart = 0;
    std::int32_t zeroOffset = 0;    // uV subtracted from every value
    std::int32_t levelMax = 20000;  // plot bounds, uV
    std::int32_t levelMin = -15000;
    std::int32_t timeMax = 120000;  // time axis, sample indices
    std::int32_t timeMin = 0;
    std::int32_t fixX = 0;
    std::int32_t fixY = 0;
    std::int32_t rate = 20;  // samples per second
    std::int32_t unnamedB = 0;
    std::int32_t fileNumber = 0;  // last file number used
    std::int32_t numberOn = 1;
    std::string prefix = "图谱";
    std::int32_t yearOn = 0;
    std::int32_t monthOn = 1;
    std::int32_t dayOn = 1;
    std::int32_t timeOn = 1;
    std::int32_t autoSave = 1;
    std::int32_t autoPrint = 0;
    std::int32_t showAtEnd = 1;
    std::int32_t invert = 0;
    std::int32_t baselineOn = 0;
    std::string baselineFile;
    std::string folder;  // relative to the application directory
    std::int32_t unnamedC = 1;
    std::int32_t unnamedD = 68;

    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const ChannelSetup&) const = default;
};

}  // namespace lx
