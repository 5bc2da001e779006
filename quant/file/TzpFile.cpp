#include "quant/file/TzpFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/FileIo.h"
#include "core/FileKind.h"

namespace lx {
namespace {

// A file that fails to load is named for what it is (a chromatogram, a text, nothing at all)
// before it is called damaged; `head` gives its first bytes only then.
Result<CPrjDoc> Load(ArchiveReader& ar, const std::string& name,
                     const std::function<std::vector<std::uint8_t>()>& head) {
    CPrjDoc project;
    const std::string_view failedPart = project.Serialize(ar);
    if (!failedPart.empty())
        return Result<CPrjDoc>::Failure(
            LoadFailureMessage(name, FileKind::Project, failedPart, head()));
    return project;
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

}  // namespace

std::string ProjectFolderOf(const std::string& path, const std::string& appDir) {
    const std::string dir =
        appDir.empty() || appDir.back() != '/' ? appDir : appDir.substr(0, appDir.size() - 1);
    const auto at = dir.empty() ? std::string::npos : Upper(path).find(Upper(dir));
    if (at == std::string::npos || at + dir.size() >= path.size() || path[at + dir.size()] != '/')
        return path;
    const std::string relative = path.substr(at + dir.size() + 1);
    const auto cut = relative.rfind('/');
    return cut == std::string::npos ? "" : relative.substr(0, cut);
}

Result<CPrjDoc> LoadTzpFile(const std::string& path, const std::string& appDir) {
    auto file = InputFile::Open(path);
    if (!file.ok())
        return Result<CPrjDoc>::Failure(file.error());
    auto project = Load(file->Reader(), path, [&] { return file->Head(512); });
    if (project.ok()) {
        project->m_MethodName = std::filesystem::path(path).stem().string();
        project->m_Folder = ProjectFolderOf(path, appDir);
        project->m_PathName = path;
        project->m_AppDir = appDir;
    }
    return project;
}

Result<CPrjDoc> LoadTzpBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    ArchiveReader ar(bytes);
    return Load(ar, name, [&] {
        return std::vector<std::uint8_t>(bytes.begin(),
                                         bytes.begin() + std::min<std::size_t>(bytes.size(), 512));
    });
}

Status SaveTzpFile(CPrjDoc& project, const std::string& path) {
    Status saved =
        WriteArchiveFileAtomically(path, [&](ArchiveWriter& ar) { project.Serialize(ar); });
    if (saved.ok()) {
        project.m_Version = CPrjDoc::kFileVersion;
        project.m_PathName = path;
        project.m_Modified = false;
    }
    return saved;
}

}  // namespace lx
