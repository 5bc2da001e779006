#include "acq/ChannelSetupFile.h"

#include <filesystem>

#include "core/TzdFile.h"

namespace lx {

std::string SetupFilePath(const std::string& folder, int channel) {
    return (std::filesystem::path(folder) / (channel == 0 ? "SetupCha" : "SetupChb")).string();
}

Result<CTzLabDoc> ReadSetupFile(const std::string& folder, int channel) {
    std::string path = SetupFilePath(folder, channel);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return CTzLabDoc();
    return LoadTzdFile(path);
}

Status WriteSetupFile(CTzLabDoc& record, const std::string& folder, int channel) {
    return SaveTzdFile(record, SetupFilePath(folder, channel));
}

Status ApplySetupFile(const std::string& folder, int channel, CTzLabDoc& channelMethod) {
    std::error_code ec;
    if (!std::filesystem::exists(SetupFilePath(folder, channel), ec))
        return {};
    auto record = ReadSetupFile(folder, channel);
    if (!record.ok())
        return record.status();
    record->m_ChannelSetup.folder = folder;
    channelMethod.CopyMethodFrom(record.value());
    return WriteSetupFile(record.value(), folder, channel);
}

}  // namespace lx
