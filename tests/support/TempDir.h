#pragma once
// A fresh folder per test, removed afterwards.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lx::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (m_Path / name).string(); }
    const std::filesystem::path& path() const { return m_Path; }

private:
    std::filesystem::path m_Path;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace lx::test
