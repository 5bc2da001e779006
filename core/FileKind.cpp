#include "core/FileKind.h"

#include <cstring>

#include "core/CoreTexts.h"
#include "core/Format.h"

namespace lx {
namespace {

bool LooksLikeText(std::span<const std::uint8_t> head) {
    for (std::uint8_t b : head)
        if (b < 0x20 && b != '\n' && b != '\r' && b != '\t')
            return false;  // bytes of 0x80 and above pass: UTF-8 or GBK text
    return true;
}

const Text& KindName(FileKind kind) {
    switch (kind) {
        case FileKind::Empty:
            return texts::kKindEmpty;
        case FileKind::Chromatogram:
            return texts::kKindChromatogram;
        case FileKind::Project:
            return texts::kKindProject;
        case FileKind::RunJournal:
            return texts::kKindRunJournal;
        case FileKind::Text:
            return texts::kKindText;
        case FileKind::Other:
            break;
    }
    return texts::kKindOther;
}

}  // namespace

FileKind GuessFileKind(std::span<const std::uint8_t> head) {
    if (head.empty())
        return FileKind::Empty;
    constexpr std::string_view kJournalMagic = "LX6600-RUN-JOURNAL\n";
    if (head.size() >= kJournalMagic.size() &&
        std::memcmp(head.data(), kJournalMagic.data(), kJournalMagic.size()) == 0)
        return FileKind::RunJournal;
    if (head.size() < 4)
        return FileKind::Other;  // too little to tell anything but that it is cut short
    {
        float version = 0;
        std::int32_t projectVersion = 0;
        std::memcpy(&version, head.data(), 4);
        std::memcpy(&projectVersion, head.data(), 4);
        if (version >= 1.0f && version < 3.0f)
            return FileKind::Chromatogram;
        if (projectVersion >= 10 && projectVersion <= 18)
            return FileKind::Project;
    }
    return LooksLikeText(head.first(std::min<std::size_t>(head.size(), 512))) ? FileKind::Text
                                                                              : FileKind::Other;
}

std::string LoadFailureMessage(const std::string& path, FileKind expected,
                               std::string_view failedPart, std::span<const std::uint8_t> head) {
    const FileKind kind = GuessFileKind(head);
    if (kind != expected && kind != FileKind::Other)
        return Format(Tr(texts::kWrongKind), path.c_str(), Tr(KindName(expected)),
                      Tr(KindName(kind)));
    return Format(Tr(texts::kFileDamaged), path.c_str(), std::string(failedPart).c_str());
}

}  // namespace lx
