#include "core/TzdFile.h"

#include <string_view>

#include "core/Archive.h"
#include "core/CoreTexts.h"
#include "core/FileIo.h"
#include "core/Format.h"

namespace lx {
namespace {

Result<CTzLabDoc> Load(ArchiveReader& ar, const std::string& name) {
    CTzLabDoc doc;
    std::string_view failedPart = doc.Serialize(ar);
    if (!failedPart.empty())
        return Result<CTzLabDoc>::Failure(
            Format(texts::kFileDamaged, name.c_str(), std::string(failedPart).c_str()));
    return doc;
}

}  // namespace

Result<CTzLabDoc> LoadTzdFile(const std::string& path) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return Result<CTzLabDoc>::Failure(file.error());
    auto doc = Load(file->Reader(), path);
    if (doc.ok())
        doc->m_PathName = path;
    return doc;
}

Result<CTzLabDoc> LoadTzdBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    ArchiveReader ar(bytes);
    return Load(ar, name);
}

Status SaveTzdFile(CTzLabDoc& doc, const std::string& path) {
    Status saved = WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) { doc.Serialize(ar); });
    if (saved.ok())
        doc.m_PathName = path;
    return saved;
}

}  // namespace lx
