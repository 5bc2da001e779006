#include "core/AppPaths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace lx {
namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : ".";
}

}  // namespace

std::string ApplicationDirectory(const std::string& home) {
    if (!home.empty())
        return home;
    if (const char* env = std::getenv("LX6600_HOME"); env && *env)
        return env;
    // Never the program's own folder: an installed program must not write beside its binary.
    return (fs::path(HomeFolder()) / "LX6600").string();
}

std::string NativePath(const std::string& stored) {
    std::string path = stored;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool SamePath(const std::string& a, const std::string& b) {
    auto fold = [](unsigned char c) { return c == '\\' ? '/' : std::toupper(c); };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](unsigned char x, unsigned char y) { return fold(x) == fold(y); });
}

std::string ResolveStoredPath(const std::string& stored, const std::string& appDir,
                              const std::string& besideFolder) {
    const std::string native = NativePath(stored);
    if (Exists(native))
        return native;
    // The drive of a Windows path means nothing here; what follows it is the location.
    std::string rest = native;
    if (rest.size() >= 2 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':')
        rest.erase(0, 2);
    std::vector<fs::path> parts;
    for (const fs::path& part : fs::path(rest).relative_path())
        if (!part.empty())
            parts.push_back(part);
    if (parts.empty())
        return native;
    if (!appDir.empty()) {
        for (std::size_t first = 0; first < parts.size(); ++first) {
            fs::path candidate = appDir;
            for (std::size_t i = first; i < parts.size(); ++i)
                candidate /= parts[i];
            if (Exists(candidate))
                return candidate.string();
        }
    }
    if (!besideFolder.empty()) {
        const fs::path candidate = fs::path(besideFolder) / parts.back();
        if (Exists(candidate))
            return candidate.string();
    }
    return native;
}

}  // namespace lx
