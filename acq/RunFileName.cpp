#include "acq/RunFileName.h"

#include <filesystem>

#include "core/Format.h"

namespace lx {
namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultPrefix = "图谱";
constexpr const char* kDataFolder = "Data";

}  // namespace

std::string RunFolder(ChannelSetup& setup, const std::string& appDir) {
    std::error_code ec;
    if (!setup.folder.empty()) {
        const fs::path folder = fs::path(appDir) / setup.folder;
        if (fs::is_directory(folder, ec))
            return folder.string();
    }
    const fs::path data = fs::path(appDir) / kDataFolder;
    fs::create_directories(data, ec);  // a failure shows when the run is saved there
    setup.folder = kDataFolder;
    return data.string();
}

std::string MakeRunFileName(ChannelSetup& setup, int channel, const std::string& appDir,
                            const std::tm& when) {
    std::string name = setup.prefix.empty() ? kDefaultPrefix : setup.prefix;
    if (setup.yearOn)
        name += Format("-%04d", when.tm_year + 1900);
    if (setup.monthOn)
        name += Format("-%02d", when.tm_mon + 1);
    if (setup.dayOn)
        name += Format(setup.monthOn ? "%02d" : "-%02d", when.tm_mday);
    if (setup.timeOn)
        name += Format("-%d%d", when.tm_hour, when.tm_min);
    if (setup.numberOn)
        name += Format("-%d", ++setup.fileNumber);
    name += channel == 0 ? "-a" : "-b";
    name += setup.runKind == 0 ? "s.Tzd" : "u.Tzd";
    return (fs::path(RunFolder(setup, appDir)) / name).string();
}

std::string UnusedRunFileName(ChannelSetup& setup, int channel, const std::string& appDir,
                              const std::tm& when) {
    std::string path = MakeRunFileName(setup, channel, appDir, when);
    std::error_code ec;
    if (!fs::exists(path, ec))
        return path;
    const std::int32_t numberOn = setup.numberOn;
    setup.numberOn = 1;
    do
        path = MakeRunFileName(setup, channel, appDir, when);
    while (fs::exists(path, ec));
    setup.numberOn = numberOn;
    return path;
}

}  // namespace lx
