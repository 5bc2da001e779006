#include "cli/CliCommon.h"

#include <filesystem>
#include <iostream>

namespace lx::cli {

int Fail(const std::string& message) {
    std::cerr << message << "\n";
    return kFailed;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace lx::cli
