#include "core/TzdFile.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "core/Archive.h"
#include "core/CoreTexts.h"
#include "core/FileIo.h"
#include "core/FileKind.h"
#include "core/Format.h"

namespace lx {
namespace {

Result<CTzLabDoc> Load(ArchiveReader& ar, const std::string& name,
                       const std::function<std::vector<std::uint8_t>()>& head) {
    CTzLabDoc doc;
    std::string_view failedPart = doc.Serialize(ar);
    if (!failedPart.empty())
        return Result<CTzLabDoc>::Failure(
            LoadFailureMessage(name, FileKind::Chromatogram, failedPart, head()));
    return doc;
}

}  // namespace

Result<CTzLabDoc> LoadTzdFile(const std::string& path) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return Result<CTzLabDoc>::Failure(file.error());
    auto doc = Load(file->Reader(), path, [&] { return file->Head(512); });
    if (doc.ok())
        doc->m_PathName = path;
    return doc;
}

Result<CTzLabDoc> LoadTzdBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    ArchiveReader ar(bytes);
    return Load(ar, name, [&] {
        return std::vector<std::uint8_t>(bytes.begin(),
                                         bytes.begin() + std::min<std::size_t>(bytes.size(), 512));
    });
}

Status SaveTzdFile(CTzLabDoc& doc, const std::string& path) {
    Status saved = WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) { doc.Serialize(ar); });
    if (saved.ok())
        doc.m_PathName = path;
    return saved;
}

}  // namespace lx
