#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <iterator>

namespace lx::test {

TempDir::TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "lx";
    for (char& c : name)
        if (c == '/')
            c = '_';
    m_Path = std::filesystem::temp_directory_path() /
             ("lx6600-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(m_Path);
    std::filesystem::create_directories(m_Path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_Path, ec);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

}  // namespace lx::test
